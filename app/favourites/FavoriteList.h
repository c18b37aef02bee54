#pragma once
#include "FavoriteScheme.h"

#include <string>
#include <vector>

// The favourites list without its window: the schemes in display order, the
// focused row and multi-selection, the clipboard and the rules for inserting,
// pasting, deleting and renaming. The window shows the message text of any
// status other than Ok; nothing here talks to the user.
//
// The focused index is always a valid row while the list is not empty (0 when
// it is). The multi-selection is kept ascending and never holds the focused row.
class FavoriteList {
public:
    static constexpr int kMaxSchemes = 50;

    enum class Status { Ok, LimitReached, EmptyName, NameTaken, NoSelection, NothingToPaste };
    enum class Modifier { None, Range, Add };
    enum class ClipboardMode { Copy, Cut };

    // The message the window shows for a failed operation ("" for Ok).
    static const char* MessageText(Status status);

    const std::vector<FavoriteScheme>& Schemes() const { return schemes_; }
    int Count() const { return static_cast<int>(schemes_.size()); }
    bool Empty() const { return schemes_.empty(); }

    // Position 0 appends; any other position p inserts before row p (clamped to
    // the end). The name is cut to fit the file field.
    Status Insert(FavoriteScheme scheme, int position);
    bool Contains(const std::string& name) const;
    // Overwrites the scheme with the same name; no effect when none matches.
    void ReplaceByName(const FavoriteScheme& scheme);
    void FocusLast();
    // Empties the list and selection, resets the paste counter. The clipboard
    // survives so schemes can be carried into another file.
    void Clear();
    // Replaces the whole list (after a file was read).
    void Assign(std::vector<FavoriteScheme> schemes);

    void SetModifier(Modifier modifier) { modifier_ = modifier; }
    // A click on a row, read with the current modifier.
    void Click(int row);
    int FocusedIndex() const { return focused_; }
    bool HasSelection() const { return selected_ && !schemes_.empty(); }
    const std::vector<int>& MultiSelection() const { return multi_; }

    Status Copy();
    Status Cut();
    bool CanPaste() const;
    Status Paste();
    Status Delete();
    Status Rename(const std::string& newName);

    ClipboardMode ClipMode() const { return clipMode_; }
    const std::vector<FavoriteScheme>& Clipboard() const { return clipboard_; }
    int PasteCounter() const { return pasteCounter_; }

    std::vector<FavoriteScheme> ExportAll() const { return schemes_; }
    // The focused scheme followed by the multi-selection; empty without a selection.
    std::vector<FavoriteScheme> ExportSelection() const;

    // True when the list needs saving compared with `saved` (the file's content):
    // an empty list or file, a different length, or any difference in a name,
    // a colour count or a colour in use.
    bool HasChanged(const std::vector<FavoriteScheme>& saved) const;

private:
    void ClampFocus();
    Status InsertRaw(FavoriteScheme scheme, int position);

    std::vector<FavoriteScheme> schemes_;
    int focused_ = 0;
    bool selected_ = false;
    std::vector<int> multi_;
    Modifier modifier_ = Modifier::None;

    std::vector<FavoriteScheme> clipboard_;  // focused scheme first, then the multi-selection
    ClipboardMode clipMode_ = ClipboardMode::Copy;
    int pasteCounter_ = 1;
};
