// The bookmarks file an import reads. What is read keeps within the limits,
// and what is written of it reads back the same.
#include "favorites/BookmarkFile.h"
#include "favorites/FavoriteShortcut.h"

#include <cstdint>
#include <cstdlib>

namespace {

using BookmarkFile::Node;

void check(const Node &folder, int depth)
{
    if (depth > BookmarkFile::kMaxDepth)
        std::abort();
    for (const Node &node : folder.children) {
        if (node.title.size() > BookmarkFile::kMaxTitle || node.description.size() > BookmarkFile::kMaxDescription)
            std::abort();
        if (node.kind == Node::Link) {
            if (!node.children.empty() || node.url.size() > BookmarkFile::kMaxUrl
                || !FavoriteShortcut::isAllowedUrl(node.url) || FavoriteShortcut::oneLine(node.url) != node.url)
                std::abort();
        } else {
            check(node, depth + 1);
        }
    }
}

bool same(const Node &a, const Node &b)
{
    if (a.kind != b.kind || a.title != b.title || a.url != b.url || a.description != b.description
        || a.addDate != b.addDate || a.children.size() != b.children.size())
        return false;
    for (size_t i = 0; i < a.children.size(); ++i) {
        if (!same(a.children[i], b.children[i]))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Node root = BookmarkFile::parse(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    check(root, 0);
    if (!same(BookmarkFile::parse(BookmarkFile::write(root)), root))
        std::abort();
    return 0;
}
