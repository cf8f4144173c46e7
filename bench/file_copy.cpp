#include "file_copy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

namespace mathsheets::bench {

namespace {

[[noreturn]] void Fail(const char* what, const std::filesystem::path& path) {
  throw std::system_error(errno, std::generic_category(), std::string(what) + " " + path.string());
}

// Closes the descriptor on every path out.
class Descriptor {
 public:
  Descriptor(const std::filesystem::path& path, int flags)
      : fd_(::open(path.c_str(), flags, 0644)) {
    if (fd_ < 0) Fail("cannot open", path);
  }
  ~Descriptor() { ::close(fd_); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

void CopyAndSync(const std::filesystem::path& from, const std::filesystem::path& to) {
  const Descriptor in(from, O_RDONLY | O_CLOEXEC);
  const Descriptor out(to, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC);
  std::vector<char> buffer(1 << 16);
  for (;;) {
    const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) Fail("cannot read", from);
    if (got == 0) break;
    for (ssize_t done = 0; done < got;) {
      const ssize_t put =
          ::write(out.get(), buffer.data() + done, static_cast<std::size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put < 0) Fail("cannot write", to);
      done += put;
    }
  }
  if (::fsync(out.get()) != 0) Fail("cannot sync", to);
}

void SyncFile(const std::filesystem::path& path) {
  const Descriptor file(path, O_WRONLY | O_CLOEXEC);
  if (::fsync(file.get()) != 0) Fail("cannot sync", path);
}

}  // namespace mathsheets::bench
