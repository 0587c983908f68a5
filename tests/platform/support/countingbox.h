#pragma once

#include "platform/picturebox.h"

namespace tessaly::test {

// A picture box that counts its paints.
class CountingBox : public PictureBox
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        PictureBox::paintEvent(event);
    }
};

} // namespace tessaly::test
