#pragma once

// The program reads its phrase files, music and sound from the working
// directory. Started from a desktop menu, that is usually the home folder: then
// it moves to the installed data folder, so the files are found there.
void EnterDataDirectory();
