#pragma once
#include <QObject>
#include <QString>

// For checking an installed program without a person at the screen: when
// TALVORA_FIRST_FRAME names a picture file (PNG, or another format Qt
// writes, chosen by the name's suffix), the first window that paints itself
// is saved there and then closed as with its close box (an unchanged
// deposits window closes without asking and without saving).
class FirstFrame : public QObject {
public:
    explicit FirstFrame(const QString& file);
    // Installs the watcher when the variable is set; the application owns it.
    static void InstallIfAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString fFile;
    bool fTaken = false;
};
