#include "FavoriteList.h"

#include <algorithm>
#include <utility>

const char* FavoriteList::MessageText(Status status)
{
    switch (status) {
    case Status::Ok: return "";
    case Status::LimitReached:
        return "The maximum coloration number that can be saved in an fsp file is 50.";
    case Status::EmptyName: return "Insert a name of the coloration.";
    case Status::NameTaken:
        return "The same coloration name already exists.\nInsert a new name of the coloration.";
    case Status::NoSelection: return "Select a coloration first.";
    case Status::NothingToPaste: return "There is no coloration to paste.";
    }
    return "";
}

void FavoriteList::ClampFocus()
{
    if (schemes_.empty())
        focused_ = 0;
    else
        focused_ = std::clamp(focused_, 0, Count() - 1);
}

FavoriteList::Status FavoriteList::InsertRaw(FavoriteScheme scheme, int position)
{
    if (Count() >= kMaxSchemes)
        return Status::LimitReached;
    scheme.count = std::clamp(scheme.count, 0, FavoriteScheme::kMaxColors);
    if (position <= 0 || position >= Count())
        schemes_.push_back(std::move(scheme));
    else
        schemes_.insert(schemes_.begin() + position, std::move(scheme));
    // Indices behind the insertion moved, so a multi-selection would now point
    // at other schemes.
    multi_.clear();
    ClampFocus();
    return Status::Ok;
}

FavoriteList::Status FavoriteList::Insert(FavoriteScheme scheme, int position)
{
    scheme.name = FitName(scheme.name);
    return InsertRaw(std::move(scheme), position);
}

bool FavoriteList::Contains(const std::string& name) const
{
    return std::any_of(schemes_.begin(), schemes_.end(),
                       [&](const FavoriteScheme& s) { return s.name == name; });
}

void FavoriteList::ReplaceByName(const FavoriteScheme& scheme)
{
    for (FavoriteScheme& s : schemes_) {
        if (s.name == scheme.name) {
            s = scheme;
            s.count = std::clamp(s.count, 0, FavoriteScheme::kMaxColors);
            return;
        }
    }
}

void FavoriteList::FocusLast()
{
    focused_ = schemes_.empty() ? 0 : Count() - 1;
    selected_ = false;
    multi_.clear();
}

void FavoriteList::Clear()
{
    schemes_.clear();
    focused_ = 0;
    selected_ = false;
    multi_.clear();
    pasteCounter_ = 1;
}

void FavoriteList::Assign(std::vector<FavoriteScheme> schemes)
{
    Clear();
    schemes_ = std::move(schemes);
}

void FavoriteList::Click(int row)
{
    if (row < 0 || row >= Count())
        return;
    // Shift and Ctrl extend an existing selection; without one they act as a
    // plain click.
    if (modifier_ == Modifier::None || !selected_) {
        focused_ = row;
        selected_ = true;
        multi_.clear();
        return;
    }
    if (modifier_ == Modifier::Range) {
        multi_.clear();
        if (row < focused_)
            for (int i = row; i < focused_; ++i) multi_.push_back(i);
        else
            for (int i = focused_ + 1; i <= row; ++i) multi_.push_back(i);
    } else if (row != focused_) {
        auto at = std::lower_bound(multi_.begin(), multi_.end(), row);
        if (at == multi_.end() || *at != row)
            multi_.insert(at, row);
    }
    selected_ = true;
}

FavoriteList::Status FavoriteList::Copy()
{
    if (!HasSelection())
        return Status::NoSelection;
    clipboard_ = ExportSelection();
    clipMode_ = ClipboardMode::Copy;
    return Status::Ok;
}

FavoriteList::Status FavoriteList::Cut()
{
    if (!HasSelection())
        return Status::NoSelection;
    // Schemes cut earlier and not yet pasted stay where they are.
    if (clipMode_ == ClipboardMode::Cut)
        return Status::Ok;
    Copy();
    Delete();
    clipMode_ = ClipboardMode::Cut;
    return Status::Ok;
}

bool FavoriteList::CanPaste() const
{
    return !clipboard_.empty() && clipboard_.front().count >= 1;
}

FavoriteList::Status FavoriteList::Paste()
{
    if (!CanPaste())
        return Status::NothingToPaste;
    const int position = focused_;
    Status result = Status::Ok;
    if (clipMode_ == ClipboardMode::Copy) {
        const std::string suffix = "-Copy" + std::to_string(pasteCounter_);
        int inserted = 0;
        for (const FavoriteScheme& s : clipboard_) {
            FavoriteScheme copy = s;
            copy.name = FitName(s.name, suffix);
            result = InsertRaw(std::move(copy), position);
            if (result != Status::Ok)
                break;
            ++inserted;
        }
        if (inserted > 0)
            ++pasteCounter_;
    } else {
        // Whatever does not fit stays on the clipboard for a later paste:
        // these schemes are no longer anywhere else.
        std::size_t inserted = 0;
        for (; inserted < clipboard_.size(); ++inserted) {
            result = InsertRaw(clipboard_[inserted], position);
            if (result != Status::Ok)
                break;
        }
        clipboard_.erase(clipboard_.begin(), clipboard_.begin() + static_cast<long>(inserted));
        if (clipboard_.empty())
            clipMode_ = ClipboardMode::Copy;
    }
    selected_ = false;
    return result;
}

FavoriteList::Status FavoriteList::Delete()
{
    if (!HasSelection())
        return Status::NoSelection;
    std::vector<int> doomed = multi_;
    doomed.push_back(focused_);
    std::sort(doomed.begin(), doomed.end(), std::greater<>());
    for (int row : doomed)
        schemes_.erase(schemes_.begin() + row);
    selected_ = false;
    multi_.clear();
    if (schemes_.empty())
        Clear();
    else
        ClampFocus();
    return Status::Ok;
}

FavoriteList::Status FavoriteList::Rename(const std::string& newName)
{
    if (!HasSelection())
        return Status::NoSelection;
    if (newName.empty())
        return Status::EmptyName;
    std::string fitted = FitName(newName);
    if (Contains(fitted))
        return Status::NameTaken;
    schemes_[focused_].name = std::move(fitted);
    return Status::Ok;
}

std::vector<FavoriteScheme> FavoriteList::ExportSelection() const
{
    std::vector<FavoriteScheme> out;
    if (!HasSelection())
        return out;
    out.push_back(schemes_[focused_]);
    for (int row : multi_)
        out.push_back(schemes_[row]);
    return out;
}

bool FavoriteList::HasChanged(const std::vector<FavoriteScheme>& saved) const
{
    if (schemes_.empty() || saved.empty() || saved.size() != schemes_.size())
        return true;
    for (std::size_t i = 0; i < schemes_.size(); ++i) {
        const FavoriteScheme& a = schemes_[i];
        const FavoriteScheme& b = saved[i];
        if (a.name != b.name || a.count != b.count)
            return true;
        for (int c = 0; c < a.count; ++c)
            if (a.colors[c] != b.colors[c])
                return true;
    }
    return false;
}
