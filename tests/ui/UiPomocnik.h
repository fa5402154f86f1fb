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
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <linux/fs.h>
#include <ostream>
#include <sstream>
#include <string>
#include <sys/ioctl.h>
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
        std::filesystem::permissions(cesta_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(cesta_, ec);
    }
    std::string operator/(const std::string& jmeno) const { return cesta_ + "/" + jmeno; }
    const std::string& cesta() const { return cesta_; }

private:
    std::string cesta_;
};

// Makes a folder read-only for the running user while it lives: by its permissions, or, for
// root (whom permissions do not stop), by the file system's immutable flag where it has one.
class JenProCteni {
public:
    explicit JenProCteni(const std::string& slozka) : slozka_(slozka)
    {
        namespace fs = std::filesystem;
        if (::geteuid() != 0) {
            std::error_code ec;
            fs::permissions(slozka_, fs::perms::owner_read | fs::perms::owner_exec, ec);
            zamceno_ = !ec;
        } else {
            zamceno_ = Nemenne(true);
        }
    }
    ~JenProCteni()
    {
        if (!zamceno_)
            return;
        if (::geteuid() != 0)
            std::filesystem::permissions(slozka_, std::filesystem::perms::owner_all);
        else
            Nemenne(false);
    }
    JenProCteni(const JenProCteni&) = delete;
    JenProCteni& operator=(const JenProCteni&) = delete;
    bool Zamceno() const { return zamceno_; }

private:
    bool Nemenne(bool zapnout)
    {
        const int fd = ::open(slozka_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = zapnout ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }

    std::string slozka_;
    bool zamceno_ = false;
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
