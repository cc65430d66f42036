#pragma once

#include <QString>

// Whether the program may keep its own files (its settings, the encode
// script) in `directory`: the running user owns it and can write it, and it
// lies outside the trees the system's packages own (/usr, /opt, /etc, ...).
// Root can write an installed program's directory too, yet what it left
// there would outlive the package; elsewhere the files go to the user's XDG
// directories.
bool IsOwnWritableDirectory(const QString &directory);
