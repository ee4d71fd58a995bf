/* A libXinerama.so.1 whose heads come from QZ_FAKE_XINERAMA ("WxH+X+Y,WxH+X+Y"), so that Wine
   on one Xvfb screen sees several monitors side by side. */
/* Declared here rather than taken from headers: the 32-bit build has no system headers. */
typedef struct _XDisplay Display;
typedef int Bool;
typedef int Status;
#define True 1
char *getenv(const char *name);
int sscanf(const char *text, const char *format, ...);
void *calloc(__SIZE_TYPE__ count, __SIZE_TYPE__ size);
char *strchr(const char *text, int c);

typedef struct {
    int screen_number;
    short x_org, y_org, width, height;
} XineramaScreenInfo;

Bool XineramaQueryExtension(Display *d, int *event, int *error) { (void)d; *event = 0; *error = 0; return True; }
Status XineramaQueryVersion(Display *d, int *major, int *minor) { (void)d; *major = 1; *minor = 1; return 1; }
Bool XineramaIsActive(Display *d) { (void)d; return True; }

XineramaScreenInfo *XineramaQueryScreens(Display *d, int *number)
{
    (void)d;
    const char *geometry = getenv("QZ_FAKE_XINERAMA");
    XineramaScreenInfo *heads = calloc(8, sizeof *heads);
    int count = 0;
    while (geometry && *geometry && count < 8) {
        int w, h, x, y;
        if (sscanf(geometry, "%dx%d+%d+%d", &w, &h, &x, &y) != 4)
            break;
        heads[count].screen_number = count;
        heads[count].x_org = (short)x;
        heads[count].y_org = (short)y;
        heads[count].width = (short)w;
        heads[count].height = (short)h;
        ++count;
        geometry = strchr(geometry, ',');
        if (geometry)
            ++geometry;
    }
    *number = count;
    return heads;
}
