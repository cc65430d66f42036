#include "sheet_text.h"

#include <QLocale>
#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

std::optional<QString> decoded(QByteArrayView bytes, const char *encoding)
{
    QStringDecoder decoder(encoding);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Text has no NUL and no control character but the line ends and tabs.
bool isText(const QString &text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control && c != u'\n' && c != u'\r' && c != u'\t';
    });
}

} // namespace

std::optional<SheetText> DecodeSheetText(QByteArrayView bytes, const QByteArray &codePage)
{
    if (bytes.size() > LargestSheet)
        return std::nullopt;
    SheetText sheet;
    std::optional<QString> text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        sheet.encoding = "UTF-8";
        text = decoded(bytes.sliced(3), "UTF-8");
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        sheet.encoding = bytes.startsWith("\xFF\xFE") ? "UTF-16LE" : "UTF-16BE";
        text = decoded(bytes.sliced(2), sheet.encoding.constData());
    } else if ((text = decoded(bytes, "UTF-8"))) {
        sheet.encoding = "UTF-8";
    } else {
        sheet.encoding = codePage;
        sheet.codePage = true;
        text = decoded(bytes, codePage.constData());
    }
    if (!text || !isText(*text))
        return std::nullopt;
    sheet.text = std::move(*text);
    return sheet;
}

QByteArray CodePageForLanguage(const QString &language)
{
    static const std::pair<const char16_t *, const char *> pages[] = {
        {u"ru", "windows-1251"}, {u"uk", "windows-1251"}, {u"be", "windows-1251"},
        {u"bg", "windows-1251"}, {u"sr", "windows-1251"}, {u"ja", "Shift_JIS"},
        {u"zh_TW", "Big5"},      {u"zh_HK", "Big5"},      {u"zh", "GB18030"},
        {u"ko", "EUC-KR"},       {u"pl", "windows-1250"}, {u"cs", "windows-1250"},
        {u"sk", "windows-1250"}, {u"hu", "windows-1250"}, {u"hr", "windows-1250"},
        {u"sl", "windows-1250"}, {u"ro", "windows-1250"}, {u"el", "windows-1253"},
        {u"tr", "windows-1254"}, {u"he", "windows-1255"}, {u"ar", "windows-1256"},
        {u"fa", "windows-1256"}, {u"lt", "windows-1257"}, {u"lv", "windows-1257"},
        {u"et", "windows-1257"}, {u"vi", "windows-1258"},
    };
    for (const auto &[prefix, page] : pages) {
        if (language.startsWith(QStringView(prefix)))
            return page;
    }
    return "windows-1252";
}

QByteArray UserCodePage()
{
    return CodePageForLanguage(QLocale::system().uiLanguages().value(0).replace(u'-', u'_'));
}

QList<QByteArray> SheetCodePages()
{
    return {"windows-1252", "windows-1250", "windows-1251", "windows-1253", "windows-1254",
            "windows-1255", "windows-1256", "windows-1257", "windows-1258", "Shift_JIS",
            "GB18030",      "Big5",         "EUC-KR"};
}
