#include "cli/Vystup.h"

#include "cli/Cli.h"
#include "common/Soubory.h"

#include <cerrno>
#include <ostream>
#include <unistd.h>

namespace lomvira::cli {

VystupDoDeskriptoru::VystupDoDeskriptoru(int fd, std::size_t velikost) : fd_(fd), buffer_(velikost > 0 ? velikost : 1)
{
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

VystupDoDeskriptoru::~VystupDoDeskriptoru()
{
    Vyprazdni();
}

bool VystupDoDeskriptoru::Vyprazdni()
{
    const char* z = pbase();
    const char* const konec = pptr();
    // After a failure nothing more is written: the output already has a hole in it.
    while (chyba_ == 0 && z < konec) {
        const ssize_t n = ::write(fd_, z, static_cast<std::size_t>(konec - z));
        if (n < 0) {
            if (errno != EINTR)
                chyba_ = errno;
            continue;
        }
        z += n;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return chyba_ == 0;
}

VystupDoDeskriptoru::int_type VystupDoDeskriptoru::overflow(int_type c)
{
    if (!Vyprazdni())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int VystupDoDeskriptoru::sync()
{
    return Vyprazdni() ? 0 : -1;
}

int DokonciVystup(int status, std::ostream& out, std::ostream& err)
{
    out.flush();
    if (!out.good()) {
        const auto* buf = dynamic_cast<const VystupDoDeskriptoru*>(out.rdbuf());
        err << "Standardní výstup nelze zapsat";
        if (buf && buf->Chyba() != 0)
            err << ": " << DuvodChyby(buf->Chyba());
        err << ". Výstup není úplný.\n";
        status = ChybaZapisniku;
    }
    err.flush();
    if (!err.good())
        status = ChybaZapisniku;
    return status;
}

} // namespace lomvira::cli
