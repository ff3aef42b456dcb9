#include "platform/CImageList.h"

bool CImageList::Create(int width, int height)
{
    m_size = QSize(width, height);
    m_images.clear();
    return width > 0 && height > 0;
}

int CImageList::Add(const QIcon& icon)
{
    m_images.push_back(icon);
    return GetImageCount() - 1;
}

QPixmap CImageList::Image(int position) const
{
    if (position < 0 || position >= GetImageCount())
        return QPixmap();
    return m_images[position].pixmap(m_size);
}
