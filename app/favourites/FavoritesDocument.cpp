#include "FavoritesDocument.h"

#include "FspFile.h"

#include <filesystem>

std::string FavoritesDocument::Title() const
{
    const auto slash = path_.find_last_of('/');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

void FavoritesDocument::New()
{
    list_.Clear();
    path_ = kNoName;
}

FileResult FavoritesDocument::Open(const std::string& path)
{
    std::vector<FavoriteScheme> schemes;
    if (FileResult r = FspFile::Load(path, schemes); !r)
        return r;
    list_.Assign(std::move(schemes));
    path_ = path;
    return FileResult::Success();
}

FileResult FavoritesDocument::OpenLinked(const std::string& path)
{
    if (path == kNoName) {
        New();
        return FileResult::Success();
    }
    FileResult r = Open(path);
    if (!r && !std::filesystem::exists(path))
        r.error = path + " file linked to does not exist on this route.";
    return r;
}

FileResult FavoritesDocument::Save()
{
    if (!IsNamed())
        return FileResult::Failure("the favourites have no file name yet");
    return FspFile::Save(path_, list_.Schemes());
}

FileResult FavoritesDocument::SaveAs(const std::string& path)
{
    if (FileResult r = FspFile::Save(path, list_.Schemes()); !r)
        return r;
    path_ = path;
    return FileResult::Success();
}

bool FavoritesDocument::NeedsSave() const
{
    if (!IsNamed())
        return true;
    std::vector<FavoriteScheme> saved;
    if (!FspFile::Load(path_, saved))
        return true;
    return list_.HasChanged(saved);
}
