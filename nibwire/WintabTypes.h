#pragma once
// Wintab 1.1 declarations for Nibwire, with fixed-width types so that the records have the same
// layout in the 64-bit DLL and in native builds (where long is 64 bits wide). The narrow context
// record, the packet and option bits and the messages that QZTablet asks for are those of the
// records shared with QZTablet.
#include "ipc/WintabBridgeRecords.h"

#include <cstddef>
#include <cstdint>

using WTPKT = std::uint32_t;
using FIX32 = std::uint32_t;

// A context handle is pointer-sized in the 64-bit DLL; packets carry it as 8 bytes.
using WintabContextHandle = std::uint64_t;

// The handles of the API: opaque, pointer-sized values.
struct HCTX__;
struct HMGR__;
struct HWTHOOK__;
using HCTX = HCTX__ *;
using HMGR = HMGR__ *;
using HWTHOOK = HWTHOOK__ *;

// Information categories
constexpr std::uint32_t WTI_INTERFACE = 1;
constexpr std::uint32_t WTI_STATUS = 2;
constexpr std::uint32_t WTI_DEFCONTEXT = 3;
constexpr std::uint32_t WTI_DEFSYSCTX = 4;
constexpr std::uint32_t WTI_DEVICES = 100;
constexpr std::uint32_t WTI_CURSORS = 200;
constexpr std::uint32_t WTI_EXTENSIONS = 300;
constexpr std::uint32_t WTI_DDCTXS = 400;
constexpr std::uint32_t WTI_DSCTXS = 500;

constexpr std::uint32_t IFC_WINTABID = 1;
constexpr std::uint32_t IFC_SPECVERSION = 2;
constexpr std::uint32_t IFC_IMPLVERSION = 3;
constexpr std::uint32_t IFC_NDEVICES = 4;
constexpr std::uint32_t IFC_NCURSORS = 5;
constexpr std::uint32_t IFC_NCONTEXTS = 6;
constexpr std::uint32_t IFC_CTXOPTIONS = 7;
constexpr std::uint32_t IFC_CTXSAVESIZE = 8;
constexpr std::uint32_t IFC_NEXTENSIONS = 9;
constexpr std::uint32_t IFC_NMANAGERS = 10;
constexpr std::uint32_t IFC_MAX = 10;

constexpr std::uint32_t STA_CONTEXTS = 1;
constexpr std::uint32_t STA_SYSCTXS = 2;
constexpr std::uint32_t STA_PKTRATE = 3;
constexpr std::uint32_t STA_PKTDATA = 4;
constexpr std::uint32_t STA_MANAGERS = 5;
constexpr std::uint32_t STA_SYSTEM = 6;
constexpr std::uint32_t STA_BUTTONUSE = 7;
constexpr std::uint32_t STA_SYSBTNUSE = 8;
constexpr std::uint32_t STA_MAX = 8;

constexpr std::uint32_t CTX_NAME = 1;
constexpr std::uint32_t CTX_OPTIONS = 2;
constexpr std::uint32_t CTX_STATUS = 3;
constexpr std::uint32_t CTX_LOCKS = 4;
constexpr std::uint32_t CTX_MSGBASE = 5;
constexpr std::uint32_t CTX_DEVICE = 6;
constexpr std::uint32_t CTX_PKTRATE = 7;
constexpr std::uint32_t CTX_PKTDATA = 8;
constexpr std::uint32_t CTX_PKTMODE = 9;
constexpr std::uint32_t CTX_MOVEMASK = 10;
constexpr std::uint32_t CTX_BTNDNMASK = 11;
constexpr std::uint32_t CTX_BTNUPMASK = 12;
constexpr std::uint32_t CTX_INORGX = 13;
constexpr std::uint32_t CTX_INORGY = 14;
constexpr std::uint32_t CTX_INORGZ = 15;
constexpr std::uint32_t CTX_INEXTX = 16;
constexpr std::uint32_t CTX_INEXTY = 17;
constexpr std::uint32_t CTX_INEXTZ = 18;
constexpr std::uint32_t CTX_OUTORGX = 19;
constexpr std::uint32_t CTX_OUTORGY = 20;
constexpr std::uint32_t CTX_OUTORGZ = 21;
constexpr std::uint32_t CTX_OUTEXTX = 22;
constexpr std::uint32_t CTX_OUTEXTY = 23;
constexpr std::uint32_t CTX_OUTEXTZ = 24;
constexpr std::uint32_t CTX_SENSX = 25;
constexpr std::uint32_t CTX_SENSY = 26;
constexpr std::uint32_t CTX_SENSZ = 27;
constexpr std::uint32_t CTX_SYSMODE = 28;
constexpr std::uint32_t CTX_SYSORGX = 29;
constexpr std::uint32_t CTX_SYSORGY = 30;
constexpr std::uint32_t CTX_SYSEXTX = 31;
constexpr std::uint32_t CTX_SYSEXTY = 32;
constexpr std::uint32_t CTX_SYSSENSX = 33;
constexpr std::uint32_t CTX_SYSSENSY = 34;
constexpr std::uint32_t CTX_MAX = 34;

constexpr std::uint32_t DVC_NAME = 1;
constexpr std::uint32_t DVC_HARDWARE = 2;
constexpr std::uint32_t DVC_NCSRTYPES = 3;
constexpr std::uint32_t DVC_FIRSTCSR = 4;
constexpr std::uint32_t DVC_PKTRATE = 5;
constexpr std::uint32_t DVC_PKTDATA = 6;
constexpr std::uint32_t DVC_PKTMODE = 7;
constexpr std::uint32_t DVC_CSRDATA = 8;
constexpr std::uint32_t DVC_XMARGIN = 9;
constexpr std::uint32_t DVC_YMARGIN = 10;
constexpr std::uint32_t DVC_ZMARGIN = 11;
constexpr std::uint32_t DVC_X = 12;
constexpr std::uint32_t DVC_Y = 13;
constexpr std::uint32_t DVC_Z = 14;
constexpr std::uint32_t DVC_NPRESSURE = 15;
constexpr std::uint32_t DVC_TPRESSURE = 16;
constexpr std::uint32_t DVC_ORIENTATION = 17;
constexpr std::uint32_t DVC_ROTATION = 18;
constexpr std::uint32_t DVC_PNPID = 19;
constexpr std::uint32_t DVC_MAX = 19;

constexpr std::uint32_t CSR_NAME = 1;
constexpr std::uint32_t CSR_ACTIVE = 2;
constexpr std::uint32_t CSR_PKTDATA = 3;
constexpr std::uint32_t CSR_BUTTONS = 4;
constexpr std::uint32_t CSR_BUTTONBITS = 5;
constexpr std::uint32_t CSR_BTNNAMES = 6;
constexpr std::uint32_t CSR_BUTTONMAP = 7;
constexpr std::uint32_t CSR_SYSBTNMAP = 8;
constexpr std::uint32_t CSR_NPBUTTON = 9;
constexpr std::uint32_t CSR_NPBTNMARKS = 10;
constexpr std::uint32_t CSR_NPRESPONSE = 11;
constexpr std::uint32_t CSR_TPBUTTON = 12;
constexpr std::uint32_t CSR_TPBTNMARKS = 13;
constexpr std::uint32_t CSR_TPRESPONSE = 14;
constexpr std::uint32_t CSR_PHYSID = 15;
constexpr std::uint32_t CSR_MODE = 16;
constexpr std::uint32_t CSR_MINPKTDATA = 17;
constexpr std::uint32_t CSR_MINBUTTONS = 18;
constexpr std::uint32_t CSR_CAPABILITIES = 19;
constexpr std::uint32_t CSR_TYPE = 20;
constexpr std::uint32_t CSR_MAX = 20;

// Context status and locks
constexpr std::uint32_t CXS_DISABLED = 0x0001;
constexpr std::uint32_t CXS_OBSCURED = 0x0002;
constexpr std::uint32_t CXS_ONTOP = 0x0004;

constexpr std::uint32_t CXL_INSIZE = 0x0001;
constexpr std::uint32_t CXL_INASPECT = 0x0002;
constexpr std::uint32_t CXL_SENSITIVITY = 0x0004;
constexpr std::uint32_t CXL_MARGIN = 0x0008;
constexpr std::uint32_t CXL_SYSOUT = 0x0010;

// Packet status, button change, units and hardware capabilities
constexpr std::uint32_t TPS_PROXIMITY = 0x0001;
constexpr std::uint32_t TPS_QUEUE_ERR = 0x0002;
constexpr std::uint32_t TPS_MARGIN = 0x0004;
constexpr std::uint32_t TPS_GRAB = 0x0008;
constexpr std::uint32_t TPS_INVERT = 0x0010;

constexpr std::uint32_t TBN_NONE = 0;
constexpr std::uint32_t TBN_UP = 1;
constexpr std::uint32_t TBN_DOWN = 2;

constexpr std::uint32_t TU_NONE = 0;
constexpr std::uint32_t TU_INCHES = 1;
constexpr std::uint32_t TU_CENTIMETERS = 2;
constexpr std::uint32_t TU_CIRCLE = 3;

constexpr std::uint32_t HWC_INTEGRATED = 0x0001;
constexpr std::uint32_t HWC_TOUCH = 0x0002;
constexpr std::uint32_t HWC_HARDPROX = 0x0004;
constexpr std::uint32_t HWC_PHYSID_CURSORS = 0x0008;

// Messages
constexpr std::uint32_t WT_DEFBASE = 0x7FF0;
constexpr std::uint32_t WT_MAXOFFSET = 0xF;
constexpr std::uint32_t WT_CTXOPEN = WT_DEFBASE + 1;
constexpr std::uint32_t WT_CTXCLOSE = WT_DEFBASE + 2;
constexpr std::uint32_t WT_CTXUPDATE = WT_DEFBASE + 3;
constexpr std::uint32_t WT_CTXOVERLAP = WT_DEFBASE + 4;
constexpr std::uint32_t WT_INFOCHANGE = WT_DEFBASE + 6;
constexpr std::uint32_t WT_PACKETEXT = WT_DEFBASE + 8;
constexpr std::uint32_t WT_MAX = WT_DEFBASE + WT_MAXOFFSET;
// The three that QZTablet asks for come with the shared records.
static_assert(WT_PACKET == WT_DEFBASE + 0 && WT_PROXIMITY == WT_DEFBASE + 5
              && WT_CSRCHANGE == WT_DEFBASE + 7);

constexpr std::size_t LCNAMELEN = 40;

struct AXIS {
    std::int32_t axMin;
    std::int32_t axMax;
    std::uint32_t axUnits;
    FIX32 axResolution;
};

struct ORIENTATION {
    std::int32_t orAzimuth;
    std::int32_t orAltitude;
    std::int32_t orTwist;
};

struct ROTATION {
    std::int32_t roPitch;
    std::int32_t roRoll;
    std::int32_t roYaw;
};

using LOGCONTEXTA = SharedContextRecord;

// The wide record: the same fields after a name of 40 UTF-16 characters.
struct LOGCONTEXTW {
    char16_t lcName[LCNAMELEN];
    std::uint32_t lcOptions;
    std::uint32_t lcStatus;
    std::uint32_t lcLocks;
    std::uint32_t lcMsgBase;
    std::uint32_t lcDevice;
    std::uint32_t lcPktRate;
    WTPKT lcPktData;
    WTPKT lcPktMode;
    WTPKT lcMoveMask;
    std::uint32_t lcBtnDnMask;
    std::uint32_t lcBtnUpMask;
    std::int32_t lcInOrgX;
    std::int32_t lcInOrgY;
    std::int32_t lcInOrgZ;
    std::int32_t lcInExtX;
    std::int32_t lcInExtY;
    std::int32_t lcInExtZ;
    std::int32_t lcOutOrgX;
    std::int32_t lcOutOrgY;
    std::int32_t lcOutOrgZ;
    std::int32_t lcOutExtX;
    std::int32_t lcOutExtY;
    std::int32_t lcOutExtZ;
    FIX32 lcSensX;
    FIX32 lcSensY;
    FIX32 lcSensZ;
    std::int32_t lcSysMode;
    std::int32_t lcSysOrgX;
    std::int32_t lcSysOrgY;
    std::int32_t lcSysExtX;
    std::int32_t lcSysExtY;
    FIX32 lcSysSensX;
    FIX32 lcSysSensY;
};

// Bytes of a context record that follow its name.
constexpr std::size_t kLogContextFieldsSize = 132;

static_assert(sizeof(AXIS) == 16, "AXIS is four 32-bit values");
static_assert(sizeof(ORIENTATION) == 12 && sizeof(ROTATION) == 12, "three 32-bit values");
static_assert(sizeof(LOGCONTEXTA) == 172, "LOGCONTEXTA layout");
static_assert(sizeof(LOGCONTEXTW) == 212, "LOGCONTEXTW layout");
static_assert(offsetof(LOGCONTEXTA, lcOptions) == 40);
static_assert(offsetof(LOGCONTEXTA, lcStatus) == 44);
static_assert(offsetof(LOGCONTEXTA, lcLocks) == 48);
static_assert(offsetof(LOGCONTEXTA, lcMsgBase) == 52);
static_assert(offsetof(LOGCONTEXTA, lcDevice) == 56);
static_assert(offsetof(LOGCONTEXTA, lcPktRate) == 60);
static_assert(offsetof(LOGCONTEXTA, lcPktData) == 64);
static_assert(offsetof(LOGCONTEXTA, lcPktMode) == 68);
static_assert(offsetof(LOGCONTEXTA, lcMoveMask) == 72);
static_assert(offsetof(LOGCONTEXTA, lcBtnDnMask) == 76);
static_assert(offsetof(LOGCONTEXTA, lcBtnUpMask) == 80);
static_assert(offsetof(LOGCONTEXTA, lcInOrgX) == 84);
static_assert(offsetof(LOGCONTEXTA, lcInExtX) == 96);
static_assert(offsetof(LOGCONTEXTA, lcOutOrgX) == 108);
static_assert(offsetof(LOGCONTEXTA, lcOutExtX) == 120);
static_assert(offsetof(LOGCONTEXTA, lcOutExtY) == 124);
static_assert(offsetof(LOGCONTEXTA, lcOutExtZ) == 128);
static_assert(offsetof(LOGCONTEXTA, lcSensX) == 132);
static_assert(offsetof(LOGCONTEXTA, lcSysMode) == 144);
static_assert(offsetof(LOGCONTEXTA, lcSysOrgX) == 148);
static_assert(offsetof(LOGCONTEXTA, lcSysExtX) == 156);
static_assert(offsetof(LOGCONTEXTA, lcSysSensX) == 164);
static_assert(offsetof(LOGCONTEXTA, lcSysSensY) == 168);
static_assert(sizeof(LOGCONTEXTA::lcName) == LCNAMELEN);
static_assert(offsetof(LOGCONTEXTW, lcOptions) == 80);
static_assert(offsetof(LOGCONTEXTW, lcPktData) == offsetof(LOGCONTEXTA, lcPktData) + 40);
static_assert(offsetof(LOGCONTEXTW, lcInExtX) == offsetof(LOGCONTEXTA, lcInExtX) + 40);
static_assert(offsetof(LOGCONTEXTW, lcOutExtZ) == offsetof(LOGCONTEXTA, lcOutExtZ) + 40);
static_assert(offsetof(LOGCONTEXTW, lcSysMode) == offsetof(LOGCONTEXTA, lcSysMode) + 40);
static_assert(offsetof(LOGCONTEXTW, lcSysSensY) == 208);
static_assert(sizeof(LOGCONTEXTA) - offsetof(LOGCONTEXTA, lcOptions) == kLogContextFieldsSize);
static_assert(sizeof(LOGCONTEXTW) - offsetof(LOGCONTEXTW, lcOptions) == kLogContextFieldsSize);
