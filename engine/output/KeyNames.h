#pragma once

#include <map>
#include <string>

// Which of the two key-name tables a name is looked up in: the operating system's virtual-key
// codes, or the keyboard usage codes that keyboard reports carry.
enum class KeyTable : bool {
    System = false,
    Usage = true,
};

// The two process-wide tables from key name to code. Names are case-sensitive; they are built
// on first use and only read afterwards, so any thread may look names up.
class KeyNames
{
public:
    using Table = std::map<std::string, int>;

    static constexpr int NotFound = -1;

    static const Table &usageTable();
    static const Table &systemTable();
    static const Table &table(KeyTable which);

    // Stores the code of `name` and returns true, or stores NotFound and returns false.
    static bool keyNameToVirtualKey(const std::string &name, int &code, KeyTable which);
};
