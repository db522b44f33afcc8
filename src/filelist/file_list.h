// The file list as its rules see it: the item operations of the list box that holds it.
// CFileListBox implements them on the real control, where the Windows tests try the rules.
#pragma once

#include <string>

namespace cordwain {

// What a list box answers for a bad index or a refused item (LB_ERR, LB_ERRSPACE).
constexpr int kListError = -1;
constexpr int kListErrorSpace = -2;

class FileList {
public:
    virtual int Count() const = 0;
    virtual std::string Text(int index) const = 0;
    // Index of the new item at the end, or kListError / kListErrorSpace.
    virtual int Append(const std::string& text) = 0;
    // The remaining count, or kListError for a bad index.
    virtual int Delete(int index) = 0;
    virtual void Clear() = 0;
    // kListError when nothing is selected.
    virtual int Selection() const = 0;
    // The horizontal extent in pixels.
    virtual int Extent() const = 0;
    virtual void SetExtent(int extent) = 0;

protected:
    FileList() = default;
    FileList(const FileList&) = default;
    FileList& operator=(const FileList&) = default;
    ~FileList() = default;
};

}  // namespace cordwain
