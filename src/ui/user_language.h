#pragma once

#include <QString>
#include <QStringList>

// The catalogue, of `available` ("de", "pt_BR", ...), for the first of the
// user's languages that is English (the source texts) or has one; empty for
// English, "C" and languages without one. A catalogue of the same language
// serves another country too.
QString CatalogueFor(const QStringList &userLanguages, const QStringList &available);

// Shows the windows in the user's language (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG), with Qt's own texts (standard buttons, the folder picker) in it too.
void UseUserLanguage();
