#include "file/LinkResolution.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <deque>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace file
{
namespace
{
// The most links the system follows in one lookup.
constexpr int maxLinkHops = 40;

// Puts the names of the path, in order, before the names still to be walked;
// empty names and "." name nothing to walk.
void walkFirst (const std::string& path, std::deque<std::string>& pending)
{
    std::deque<std::string> names;
    for (size_t start = 0; start <= path.size();)
    {
        const auto end = std::min (path.find ('/', start), path.size());
        if (const auto name = path.substr (start, end - start); ! name.empty() && name != ".")
            names.push_back (name);
        start = end + 1;
    }
    pending.insert (pending.begin(), names.begin(), names.end());
}

// What the link at the path names; nothing when it cannot be read whole.
std::optional<std::string> linkTarget (const std::string& path)
{
    char buffer[PATH_MAX];
    const auto length = ::readlink (path.c_str(), buffer, sizeof (buffer));
    if (length <= 0 || (size_t) length == sizeof (buffer))
        return std::nullopt;
    return std::string (buffer, (size_t) length);
}

// The system's rule for links in shared folders (fs.protected_symlinks): in a
// folder that is sticky and that everybody may write, a link is followed only
// when its owner is the user whose rights the system checks (the effective
// user, whom the file system user follows) or the folder's owner.
bool mayFollow (const struct stat& link, const std::string& folder)
{
    struct stat status {};
    if (::stat (folder.empty() ? "/" : folder.c_str(), &status) != 0)
        return false;
    const bool shared = (status.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return ! shared || link.st_uid == ::geteuid() || link.st_uid == status.st_uid;
}
} // namespace

juce::File fileReachedBy (const juce::File& path)
{
    std::deque<std::string> pending;
    walkFirst (path.getFullPathName().toStdString(), pending);

    // The real folder reached so far, without links; empty for the root.
    std::string reached;
    for (int hops = 0; ! pending.empty();)
    {
        const auto name = pending.front();
        pending.pop_front();
        if (name == "..")
        {
            reached.erase (std::min (reached.rfind ('/'), reached.size()));
            continue;
        }

        const auto entry = reached + "/" + name;
        struct stat status {};
        if (::lstat (entry.c_str(), &status) != 0)
            return errno == ENOENT && pending.empty() ? juce::File (entry) : juce::File();
        if (! S_ISLNK (status.st_mode))
        {
            reached = entry;
            continue;
        }

        const auto target = linkTarget (entry);
        if (++hops > maxLinkHops || ! mayFollow (status, reached) || ! target)
            return {};
        if (target->front() == '/')
            reached.clear();
        walkFirst (*target, pending);
    }
    return juce::File (reached.empty() ? "/" : reached);
}
} // namespace file
