#pragma once
#include "FavoriteList.h"
#include "SafeFile.h"

#include <string>

// The favourites list together with the file it belongs to: the path
// ("noname" until the list was saved or loaded) and the title shown for it.
// A file that fails to load or save changes neither the list nor the path.
class FavoritesDocument {
public:
    static constexpr const char* kNoName = "noname";

    FavoriteList& List() { return list_; }
    const FavoriteList& List() const { return list_; }
    const std::string& Path() const { return path_; }
    // The part of the path after its last folder separator.
    std::string Title() const;
    bool IsNamed() const { return path_ != kNoName; }

    void New();
    FileResult Open(const std::string& path);
    // Opens the favourites file a project links to; "noname" means the project
    // had none and gives an empty unnamed list. A missing file keeps the list
    // and says so in the words the user sees.
    FileResult OpenLinked(const std::string& path);
    // Saves to the current path; fails for an unnamed list.
    FileResult Save();
    FileResult SaveAs(const std::string& path);
    // Whether "Save Favorite" is offered: an unnamed list, or a list that
    // differs from its file (a file that cannot be read counts as different).
    bool NeedsSave() const;

private:
    FavoriteList list_;
    std::string path_ = kNoName;
};
