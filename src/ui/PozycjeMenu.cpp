#include "ui/PozycjeMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

QAction* DodajPozycjeMenu(QMenu* menu, QWidget* lista, const char* nazwa, const QString& tytul,
                          const QKeySequence& skrot) {
    QAction* pozycja = menu->addAction(tytul);
    pozycja->setObjectName(QLatin1String(nazwa));
    pozycja->setShortcut(skrot);
    pozycja->setShortcutContext(Qt::WidgetShortcut);
    lista->addAction(pozycja);
    return pozycja;
}

void DodajSeparator(QMenu* menu, const char* nazwa) {
    menu->addSeparator()->setObjectName(QLatin1String(nazwa));
}
