#pragma once

#include <QString>

// Whether `directory` lies on a FAT, exFAT or NTFS file system (a USB stick,
// an SD card, a Windows disk): one that folds letter case and refuses some
// characters in names.
bool IsOnFatFileSystem(const QString &directory);
