#pragma once

class QCoreApplication;

// Qt's own Japanese texts, so standard buttons read "はい" / "いいえ" /
// "キャンセル" and the print and file dialogs are Japanese. False when the
// translation is not installed; the program then shows Qt's English texts.
bool InstallJapaneseTranslations(QCoreApplication& app);
