#!/usr/bin/env bash
# The layer check itself: it passes on a copy of the tree and fails on each
# include planted against the layer order (and on the other rules).
# Usage: check_layers_test.sh SOURCE_ROOT QT_WIDGETS_INCLUDE_DIR
set -uo pipefail
root=$1
widgets=$2
check=$(dirname "$0")/check_layers.sh
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -r "$root/src" "$root/host" "$copy/"

status=0
bash "$check" "$copy" "$widgets" >/dev/null || { echo "the unchanged tree fails the check"; status=1; }

# file to plant in | line planted | what the check must say
while IFS='|' read -r file line expected; do
    file=$(echo "$file" | xargs)
    cp "$copy/$file" "$copy/$file.orig"
    echo "$line" >>"$copy/$file"
    out=$(bash "$check" "$copy" "$widgets")
    if [ $? -eq 0 ] || ! grep -qF "$expected" <<<"$out"; then
        echo "not caught: $line in $file (wanted \"$expected\"; got: $out)"
        status=1
    fi
    mv "$copy/$file.orig" "$copy/$file"
done <<'CASES'
src/domain/TLokata.h          |#include "data/TProjektDB.h"               |src/domain may not include data/
src/format/Formatowanie.h     |#include "data/TProjektDB.h"               |src/format may not include data/
src/domain/TLokata.h          |#include "app/Komunikaty.h"                |src/domain may not include app/
src/app/Komunikaty.h          |#include <QWidget>                         |includes the Qt Widgets header <QWidget>
src/format/Pomocnicze.h       |#include "domain/TLokata.h"                |src/format may not include domain/
src/platform/Platform.h       |#include "import/ListaBankow.h"            |src/platform may not include import/
src/data/TProjektDB.h         |#include "entry/TPokazanieModulu.h"        |src/data may not include entry/
src/data/sqlite/TSQLiteTable.h|#include "data/TProjektDB.h"               |src/data/sqlite may not include data/
src/import/ListaBankow.h      |#include "ui/TListaRaportowa.h"            |src/import may not include ui/
host/tools/JsonWriter.h       |#include "ui/TLokatyFormGlowny.h"          |host/tools may not include ui/
host/tools/JsonWriter.h       |#include "entry/ModulVQLokaty.h"           |host/tools may not include entry/
host/tools/HostTools.h        |#include "window/WindowProgram.h"         |host/tools may not include window/
host/tools/ZyskCommand.cpp    |#include "import/ListaBankow.h"            |host/tools may not include import/
host/window/WindowProgram.h   |#include "ui/TLokatyFormGlowny.h"          |host/window may not include ui/
host/window/DemoData.cpp      |#include "import/ListaBankow.h"            |host/window may not include import/
host/web/WebTools.cpp         |#include "window/WindowProgram.h"         |host/web may not include window/
host/web/StronaCommand.cpp    |#include "entry/ModulVQLokaty.h"           |host/web may not include entry/
host/web/BankiCommand.cpp     |#include <QWidget>                         |includes the Qt Widgets header <QWidget>
src/ui/TKwotaEdit.h           |#include "entry/TZapisLokat.h"             |src/ui may not include entry/
src/domain/TLokata.h          |#include <QWidget>                         |includes the Qt Widgets header <QWidget>
src/ui/TKwotaEdit.h           |#include "data/sqlite/TSQLiteDatabase.h"   |a window includes the SQLite layer
src/ui/TKwotaEdit.cpp         |static const char* q = "SELECT * FROM t";  |a window writes SQL
src/data/TOsoba.cpp           |static void f() { PokazBlad("x"); }         |shows a message box below the commands
src/domain/TLokata.cpp        |static void f() { Platform::messageBoxes(); }|shows a message box below the commands
CASES
[ $status -eq 0 ] && echo "layer check: every planted violation caught"
exit $status
