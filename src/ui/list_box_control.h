// The ROM list: a sorted, single-selection list of file names.
#pragma once

#include <string>

namespace velmora {

class ListBoxControl {
public:
    virtual ~ListBoxControl() = default;
    // Index of the selected entry, or -1 when none is selected.
    virtual int GetCurSel() const = 0;
    virtual std::string GetText(int index) const = 0;
    // Empties the list and fills it with the ordinary files of directory, sorted by the user's
    // locale ignoring case; returns false, changing nothing, when it cannot be listed.
    virtual bool DirList(const std::string& directory) = 0;
};

}  // namespace velmora
