// A drag source for the desktop tests: a small window titled "drag source"
// that, when a mouse button goes down on it, drags the URLs given on its
// command line (text/uri-list) through the window system, as a file manager
// does. Ends soon after the drop; its exit status says whether it was taken.
//   drag_source URL...

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <chrono>

using namespace Qt::StringLiterals;

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> urls) : m_urls(std::move(urls))
    {
        setWindowTitle(u"drag source"_s);
        resize(120, 80);
    }

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        auto *drag = new QDrag(this);
        auto *uriList = new QMimeData;
        uriList->setUrls(m_urls);
        drag->setMimeData(uriList);
        const Qt::DropAction done = drag->exec(Qt::CopyAction);
        // The target asks for the data after the drop: stay to hand it over.
        QTimer::singleShot(std::chrono::seconds(2), this,
                           [done] { QApplication::exit(done == Qt::CopyAction ? 0 : 1); });
    }

private:
    QList<QUrl> m_urls;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QList<QUrl> urls;
    for (const QString &argument : QApplication::arguments().mid(1))
        urls << QUrl(argument);
    DragSource source(urls);
    source.show();
    return QApplication::exec();
}
