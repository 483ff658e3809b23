#pragma once

// Gives Qt's own buttons and dialogs (はい, いいえ, 保存, キャンセル …) their
// Japanese texts, whatever language the desktop runs in. False where Qt's
// Japanese translation is not installed; the standard texts then stay English.
bool InstallJapaneseTranslation();
