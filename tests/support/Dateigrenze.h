#pragma once
// For a child process of a death test: lowers the file size limit, so that the kernel itself
// refuses a write beyond it as on a full disk (SIGXFSZ, which would end the process, is
// ignored), and lifts it again when it goes, before the child reports (its stderr is a file too).

#include <sys/resource.h>

#include <csignal>

class Dateigrenze {
  public:
    explicit Dateigrenze(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &limit_);
        vorher_ = limit_.rlim_cur;
        limit_.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit_);
        std::signal(SIGXFSZ, SIG_IGN);
    }
    ~Dateigrenze() {
        limit_.rlim_cur = vorher_;
        ::setrlimit(RLIMIT_FSIZE, &limit_);
    }
    Dateigrenze(const Dateigrenze&) = delete;
    Dateigrenze& operator=(const Dateigrenze&) = delete;

  private:
    rlimit limit_{};
    rlim_t vorher_ = 0;
};
