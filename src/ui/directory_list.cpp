#include "directory_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

#include <dirent.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int IndentPerLevel = 2; // blanks

// "/", "/home", "/home/user" for "/home/user".
QStringList ancestorsOf(const QString &path)
{
    QStringList chain{u"/"_s};
    QString built;
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        built += u'/' + part;
        chain << built;
    }
    return chain;
}

// Whether the directory's entries can be listed: a directory the user may
// not read would otherwise look like an empty one that opened.
bool canList(const QString &directory)
{
    DIR *handle = ::opendir(QFile::encodeName(directory).constData());
    if (!handle)
        return false;
    ::closedir(handle);
    return true;
}

} // namespace

DirectoryList::DirectoryList(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    setAccessibleName(tr("Directories"));
    connect(this, &QListWidget::itemActivated, this, &DirectoryList::openItem);
    setPath(QDir::currentPath());
}

bool DirectoryList::setPath(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir() || !info.isExecutable() || !canList(path))
        return false;
    const QString canonical = info.canonicalFilePath();
    QDir directory(canonical);
    const QStringList children =
        directory.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    m_path = canonical;
    fill(ancestorsOf(canonical), children);
    Q_EMIT changed();
    return true;
}

void DirectoryList::fill(const QStringList &ancestors, const QStringList &children)
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (qsizetype level = 0; level < ancestors.size(); ++level) {
        const QString name = level == 0 ? u"/"_s : QFileInfo(ancestors[level]).fileName();
        auto *item = new QListWidgetItem(open, QString(level * IndentPerLevel, u' ') + name, this);
        item->setData(PathRole, ancestors[level]);
        item->setData(Qt::AccessibleTextRole, name); // read out without the indent
    }
    const QString indent(ancestors.size() * IndentPerLevel, u' ');
    const QString prefix = m_path.endsWith(u'/') ? m_path : QString(m_path + u'/');
    for (const QString &child : children) {
        auto *item = new QListWidgetItem(closed, indent + child, this);
        item->setData(PathRole, QString(prefix + child));
        item->setData(Qt::AccessibleTextRole, child);
    }
    setCurrentRow(int(ancestors.size()) - 1);
}

void DirectoryList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirectoryList::openItem(QListWidgetItem *item)
{
    if (item)
        setPath(item->data(PathRole).toString());
}
