#pragma once
#include <QObject>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>

class QSettings;
class QWidget;

// Where TFormSize keeps a placement: an INI file, or the per-user settings
// store under a key path ("Software\Organisation\Application\Group...").
enum class TPersistLocation : int8_t { plIniFile, plRegistry };

// Remembers a window's position, size and maximised state between runs. Owned
// by the window (its form); a form holds at most one. The placement is
// restored when the form is first shown and written when it goes (hidden,
// closed or destroyed), in the section SaveKey [-user] [-machine] with the
// values "Left", "Top", "Right", "Bottom" and "Maximized". What else a
// window keeps with its size (its columns' widths) it reads and writes in the
// same section through SizeRestored and SizeWriting.
class TFormSize : public QObject {
    Q_OBJECT

public:
    // Throws EFormSizeError when `form` is not a window or already holds one.
    explicit TFormSize(QWidget* form);
    ~TFormSize() override;

    QWidget* Form() const { return fForm; }

    TPersistLocation Location() const { return fLocation; }
    void SetLocation(TPersistLocation value);
    const QString& SaveName() const { return fSaveName; }
    void SetSaveName(const QString& value);
    const QString& SaveKey() const { return fSaveKey; }
    void SetSaveKey(const QString& value);
    bool SaveUser() const { return fSaveUser; }
    void SetSaveUser(bool value);
    bool SaveMachine() const { return fSaveMachine; }
    void SetSaveMachine(bool value);
    bool SavePosition() const { return fSavePosition; }
    void SetSavePosition(bool value);
    bool SaveSize() const { return fSaveSize; }
    void SetSaveSize(bool value);
    bool Magnet() const { return fMagnet; }
    void SetMagnet(bool value);
    int MagnetDistance() const { return fMagnetDistance; }
    void SetMagnetDistance(int value);
    bool DragAlways() const { return fDragAlways; }
    void SetDragAlways(bool value);
    QString Version() const;
    void SetVersion(const QString&) {}

    // Restore or write the placement with position and size both kept,
    // whatever SavePosition and SaveSize say.
    void LoadFormSettings();
    void SaveFormSettings();
    // Whether the store holds a size for the window (false at its first start).
    bool HasStoredPlacement() const;

    // SaveKey, then "-" and the user name if SaveUser, then "-" and the
    // computer name if SaveMachine.
    QString SectionName() const;
    static QString UserName();
    static QString MachineName();

    // Where a window whose frame is `frame` lands when its edges snap to the
    // work area's edges within `distance` pixels.
    static QPoint MagnetPosition(const QRect& frame, const QRect& workArea, int distance);

signals:
    // The section, open for reading after the size was restored and for
    // writing before it is synced.
    void SizeRestored(const QSettings& section);
    void SizeWriting(QSettings& section);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QWidget* CheckedForm(QWidget* form);
    std::unique_ptr<QSettings> OpenSection() const;
    bool HasStore() const;
    void Restore(bool position, bool size);
    void Write(bool position, bool size);
    QRect StoredRect(QSettings& store, bool position, bool size) const;
    static QRect KeptOnDesktop(QRect rect);
    void ApplyPlacement(QRect rect, bool maximized);
    void SnapToWorkArea();
    bool StartDrag(QEvent* event);

    QWidget* fForm;
    TPersistLocation fLocation = TPersistLocation::plIniFile;
    QString fSaveName;
    QString fSaveKey;
    bool fSaveUser = false;
    bool fSaveMachine = false;
    bool fSavePosition = true;
    bool fSaveSize = true;
    bool fMagnet = false;
    int fMagnetDistance = 32;
    bool fDragAlways = false;
    bool fShown = false;
    bool fSnapping = false;
};
