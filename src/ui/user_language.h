#pragma once

#include <QString>
#include <QStringList>

// The catalogue, of `available` ("de", "pt_BR", ...), for the first of the
// user's languages that is English (the source texts) or has one; empty for
// English and languages without one. A catalogue of the same language serves
// another country too. As with gettext, the C locale for messages
// (`messagesLocale`: LC_ALL, else LC_MESSAGES, else LANG, exactly "C" or
// "POSIX", or none set) keeps the source texts whatever LANGUAGE lists:
// LANG=C shows the English.
QString CatalogueFor(const QString &messagesLocale, const QStringList &userLanguages,
                     const QStringList &available);

// Shows the windows in the user's language (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG), with Qt's own texts (standard buttons, the folder picker) in it too.
void UseUserLanguage();
