#pragma once

#include <QIcon>
#include <QSize>
#include <vector>

// The pictures a tree shows beside its items, addressed by position.
class CImageList {
public:
    bool Create(int width, int height);
    int Add(const QIcon& icon);
    int GetImageCount() const { return static_cast<int>(m_images.size()); }
    QPixmap Image(int position) const;
    QSize ImageSize() const { return m_size; }

private:
    QSize m_size;
    std::vector<QIcon> m_images;
};
