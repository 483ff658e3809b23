#pragma once

#include <QString>

// True while no drawn poem has passed; ComposePoem sets it, CheckPoem clears it.
extern bool retryFlag;

// Draws, checks and finishes one poem from the loaded groups, has the card
// picture shown and reveals the poem on the current card. Returns once the
// reveal is over. When the phrase files cannot satisfy the settings, it tells
// the user so and leaves the poem on the card as it is.
void ComposePoem();

// Tests the five phrases against the season and poem-set settings. A poem that
// passes is rewritten in its finished form (tags removed, each "@" of phrase 4
// turned into two spaces) and retryFlag is cleared; otherwise nothing changes.
void CheckPoem(QString &phrase1, QString &phrase2, QString &phrase3, QString &phrase4, QString &phrase5);
