#pragma once
// Helpers of the window tests: temporary folders, file bytes, and a driver that answers
// the modal dialogs a call opens.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <unistd.h>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace lomvira::test {

class DocasnaSlozka {
public:
    DocasnaSlozka()
    {
        std::string t = (std::filesystem::temp_directory_path() / "lomvira-ui-XXXXXX").string();
        cesta_ = ::mkdtemp(t.data()) ? t : std::string();
    }
    ~DocasnaSlozka()
    {
        std::error_code ec;
        std::filesystem::remove_all(cesta_, ec);
    }
    std::string operator/(const std::string& jmeno) const { return cesta_ + "/" + jmeno; }
    const std::string& cesta() const { return cesta_; }

private:
    std::string cesta_;
};

inline void ZapisBajty(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string CtiBajty(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Runs each queued action on the next modal dialog that comes up, in order.
class ModalniObsluha {
public:
    explicit ModalniObsluha(std::deque<std::function<void(QWidget*)>> akce) : akce_(std::move(akce))
    {
        casovac_.setInterval(5);
        QObject::connect(&casovac_, &QTimer::timeout, [this] { Krok(); });
        casovac_.start();
        hodiny_.start();
    }
    // All actions ran, and no dialog had to be forced shut.
    bool Hotovo() const { return akce_.empty() && !vyprselo_; }

private:
    void Krok()
    {
        // A box that closed and was destroyed no longer counts, even if a new one takes its address.
        QWidget* w = QApplication::activeModalWidget();
        if (w && hodiny_.elapsed() > 10000) {
            // A dialog nobody expected would hang the test: shut it and fail instead.
            vyprselo_ = true;
            if (auto* d = qobject_cast<QDialog*>(w))
                d->done(0);
            return;
        }
        if (!w || w == obslouzeno_.data() || akce_.empty())
            return;
        obslouzeno_ = w;
        auto a = std::move(akce_.front());
        akce_.pop_front();
        a(w);
    }

    std::deque<std::function<void(QWidget*)>> akce_;
    QTimer casovac_;
    QPointer<QWidget> obslouzeno_;
    QElapsedTimer hodiny_;
    bool vyprselo_ = false;
};

} // namespace lomvira::test
