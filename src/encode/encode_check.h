#pragma once

#include "batch_script.h"

#include <QString>
#include <QStringList>

// Everything Encode must know before it writes anything, found in one step:
// whether it may run at all (every reason it may not, together), and which
// MP3s it would replace, so the user can be asked once.
struct EncodeCheck {
    enum class Verdict {
        Ready,
        NothingSelected, // the one message the user knows; nothing else is looked at
        Refused,         // `refusal` says every reason
    };
    Verdict verdict = Verdict::Ready;
    QString refusal;
    QString encoderPath;        // absolute
    ScriptPlan plan;            // Ready: one group per selected file that exists
    QStringList existingMp3s;   // MP3 paths of the plan that exist already
};

EncodeCheck CheckEncodeRequest(const EncodeRequest &request);

// What becomes of the groups whose MP3 exists already.
enum class ExistingMp3s { Replace, Skip };

// The question Encode asks before it would replace MP3s that exist (tagged in
// an earlier session, perhaps): how many, and the first few by name.
QString ExistingMp3sQuestion(const QStringList &existingMp3s);

// The plan without the groups whose MP3 exists, for "Skip".
ScriptPlan WithoutExistingMp3s(const ScriptPlan &plan, const QStringList &existingMp3s);
