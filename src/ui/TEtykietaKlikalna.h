#pragma once
#include <QLabel>

// A label with a click: a left button pressed and released over it, or Space
// or Enter while it has the focus (a window that wants it reachable from the
// keyboard gives it a focus policy; the focus is then drawn around it).
// Windows attach link actions (opening a page, clearing a choice) to `clicked`.
class TEtykietaKlikalna : public QLabel {
    Q_OBJECT

public:
    explicit TEtykietaKlikalna(QWidget* parent = nullptr);
    explicit TEtykietaKlikalna(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool fPressed = false;
};
