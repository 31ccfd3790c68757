#include "core/PictureMemory.h"

#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace porkane {

bool pictureSizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide &&
           width * height <= MaxPicturePixels;
}

namespace {

#ifdef __linux__
// Every first touch of a 4 kB page costs a fault; a 1000 x 1000 picture
// takes a thousand of them and a label file twenty such pictures. Pictures
// from one huge page up are placed on 2 MB boundaries and offered huge pages.
constexpr size_t HugePage = size_t(2) << 20;

QImage hugePagePicture(int width, int height)
{
    const size_t bytes = size_t(width) * 4 * size_t(height);
    const size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    void *memory = std::aligned_alloc(HugePage, rounded);
    if (memory == nullptr)
        return {};
    madvise(memory, rounded, MADV_HUGEPAGE); // only advice: failing changes nothing
    return QImage(static_cast<uchar *>(memory), width, height, qsizetype(width) * 4, QImage::Format_RGB32,
                  [](void *buffer) { std::free(buffer); }, memory);
}
#endif

} // namespace

QImage allocatePicture(qint64 width, qint64 height)
{
    if (!pictureSizeAllowed(width, height))
        return {};
    QImage picture;
#ifdef __linux__
    if (size_t(width) * 4 * size_t(height) >= HugePage)
        picture = hugePagePicture(int(width), int(height));
#endif
    if (picture.isNull())
        picture = QImage(int(width), int(height), QImage::Format_RGB32);
    return picture;
}

} // namespace porkane
