#include "ui/dialogs/diagnosis/KnownNibwireBuilds.h"

#include "NibwireBuildDigests.h"

namespace {

NibwireLookup::DigestTable x64Builds()
{
    NibwireLookup::DigestTable table;
    for (const NibwireBuildDigests::Build &build : NibwireBuildDigests::kX64)
        table.emplace(QString::fromLatin1(build.digest), QString::fromLatin1(build.version));
    return table;
}

const NibwireLookup::DigestTable kX64Builds = x64Builds();
const NibwireLookup::DigestTable kX86Builds;

} // namespace

const NibwireLookup::DigestTable &knownNibwireBuilds(bool x64)
{
    return x64 ? kX64Builds : kX86Builds;
}
