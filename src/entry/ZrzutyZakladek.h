#pragma once

class QDialog;

// For the documentation's pictures: when the environment variable
// TALVORA_SCREENSHOT_DIR names a folder, the window, once shown, saves a
// picture of each of its tabs there (lokaty.png, oferty.png) and closes
// without saving. Without the variable nothing happens.
void ZaplanujZrzutyZakladek(QDialog& okno);
