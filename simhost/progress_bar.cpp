#include "simhost/progress_bar.h"

#include <unistd.h>

#include <cstdio>

namespace simhost {

ProgressBar::ProgressBar(int64_t total, bool enabled)
    : total_(total > 0 ? total : 1),
      enabled_(enabled && isatty(STDERR_FILENO)),
      start_(std::chrono::steady_clock::now()) {}

void ProgressBar::update(int64_t done) {
    if (!enabled_) return;
    if (!shown_ && std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) return;
    shown_ = true;
    const int percent = static_cast<int>(done * 100 / total_);
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    char bar[41];
    const int filled = percent * 40 / 100;
    for (int i = 0; i < 40; ++i) bar[i] = i < filled ? '#' : '.';
    bar[40] = 0;
    std::fprintf(stderr, "\rsimhost [%s] %3d%% (%lld/%lld frames)", bar, percent,
                 static_cast<long long>(done), static_cast<long long>(total_));
    std::fflush(stderr);
}

void ProgressBar::finish() {
    if (shown_) {
        update(total_);
        std::fputc('\n', stderr);
    }
}

}  // namespace simhost
