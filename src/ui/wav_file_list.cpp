#include "wav_file_list.h"

#include "app/wav_names_not_utf8.h"

#include <QDir>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

WavFileList::WavFileList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true); // quick with tens of thousands of names
}

void WavFileList::setPath(const QString &directory)
{
    m_path = directory;
    clear();
    // QDir matches name filters without regard to case unless told otherwise.
    // It lists a link to a FIFO or a device as a file, and the encoder would
    // wait on one for ever: only links to regular files are listed.
    const QFileInfoList files = QDir(directory).entryInfoList(
        {u"*.wav"_s}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList names;
    names.reserve(files.size());
    for (const QFileInfo &file : files) {
        if (file.isFile())
            names << file.fileName();
    }
    addItems(names);
    // Names Qt cannot decode, shown as `ls` shows them, to be refused by
    // Encode with the reason rather than missing without a word.
    for (const QString &shown : WavNamesNotUtf8(directory)) {
        auto *entry = new QListWidgetItem(shown, this);
        entry->setData(NameNotUtf8Role, true);
        entry->setToolTip(tr("This name is not valid UTF-8: rename the file to encode it."));
    }
}

void WavFileList::setNote(int index, const QString &note)
{
    if (QListWidgetItem *entry = item(index)) {
        entry->setToolTip(note);
        entry->setData(Qt::AccessibleDescriptionRole, note);
    }
}

bool WavFileList::nameNotUtf8(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry && entry->data(NameNotUtf8Role).toBool();
}

QString WavFileList::name(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->text() : QString();
}

bool WavFileList::isSelected(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry && entry->isSelected();
}

void WavFileList::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        event->accept(); // Qt's views would move the selection here
        return;
    }
    QListWidget::mousePressEvent(event);
}

void WavFileList::focusInEvent(QFocusEvent *event)
{
    // Qt makes the first row current when the list gains the focus without a
    // current row; "Properties" would then edit a file nobody chose.
    const bool noneCurrent = !currentIndex().isValid();
    QListWidget::focusInEvent(event);
    if (noneCurrent && currentIndex().isValid())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}
