#pragma once
// Standard output and standard error of the command line, written straight to their
// descriptors so that a write that fails (a full disk, a closed pipe) is known, with its
// reason, and the run does not end with success.

#include <iosfwd>
#include <streambuf>
#include <vector>

namespace lomvira::cli {

class VystupDoDeskriptoru : public std::streambuf {
public:
    // Buffers up to `velikost` bytes (at least one) before writing them to `fd`.
    VystupDoDeskriptoru(int fd, std::size_t velikost);
    ~VystupDoDeskriptoru() override;
    VystupDoDeskriptoru(const VystupDoDeskriptoru&) = delete;
    VystupDoDeskriptoru& operator=(const VystupDoDeskriptoru&) = delete;

    // The error number of the first write that failed; 0 while every write succeeded.
    int Chyba() const { return chyba_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Vyprazdni();

    int fd_;
    std::vector<char> buffer_;
    int chyba_ = 0;
};

// Ends a run: flushes both streams. When standard output could not be written whole, says
// so on standard error (while that can be written) and gives exit status 2; a failed
// standard error gives 2 as well. Otherwise the command's own status.
int DokonciVystup(int status, std::ostream& out, std::ostream& err);

} // namespace lomvira::cli
