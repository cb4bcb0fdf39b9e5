// The drawing area of the engine window: shows the last frame of the back
// buffer, scaled to fit with its aspect kept (black bands beside it) when
// the widget is not the frame's size. The system cursor is hidden over it;
// the game draws its own.
#pragma once

#include <QImage>
#include <QWidget>

class Surface;

class WidgetEcran : public QWidget {
    Q_OBJECT
public:
    explicit WidgetEcran(QWidget* parent = nullptr);
    // Copies the frame and repaints at once.
    void Afficher(const Surface& back);
    const QImage& Image() const { return image_; }
    // Where the frame lands in the widget.
    QRect Cible() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage image_;
};
