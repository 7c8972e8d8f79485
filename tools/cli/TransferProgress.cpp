#include "TransferProgress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace sky::cli {

namespace {

constexpr int kBarWidth = 30;

volatile sig_atomic_t interrupted = 0;

void onInterrupt(int) {
    interrupted = 1;
}

}  // namespace

TransferProgress::TransferProgress(IUserInterface& console, std::optional<uint64_t> totalBytes)
    : console_(console), total_(totalBytes), enabled_(::isatty(STDERR_FILENO) != 0) {
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    ::sigaction(SIGINT, &action, &previousInterrupt_);
}

TransferProgress::~TransferProgress() {
    ::sigaction(SIGINT, &previousInterrupt_, nullptr);
    if (shown_) std::fputc('\n', stderr);
}

bool TransferProgress::transferCancelled() const {
    return interrupted != 0;
}

void TransferProgress::message(const std::string& text, const std::string& caption) {
    clearLine();
    console_.message(text, caption);
}

Answer TransferProgress::ask(const std::string& text, Buttons buttons, Icon icon,
                             const std::string& caption) {
    clearLine();
    return console_.ask(text, buttons, icon, caption);
}

void TransferProgress::appendMessage(const std::string& text) {
    clearLine();
    console_.appendMessage(text);
    std::fflush(stdout);
    if (shown_) draw(true);
}

void TransferProgress::setProgress(int position) {
    if (!total_) {
        // An upload: its amount comes with transferAmount(), the position is an estimate.
        estimate_ = std::clamp(position, 0, 100);
        return;
    }
    bytes_ = static_cast<uint64_t>(std::min(position, 100)) * *total_ / 100;
    if (!firstReport_) {
        firstReport_ = Clock::now();
        bytesAtFirstReport_ = bytes_;
    }
    draw(false);
}

void TransferProgress::transferAmount(uint64_t bytes) {
    bytes_ = bytes;
    if (!firstReport_) {
        firstReport_ = Clock::now();
        bytesAtFirstReport_ = bytes_;
    }
    draw(false);
}

void TransferProgress::draw(bool force) {
    if (!enabled_ || !firstReport_) return;
    const Clock::time_point now = Clock::now();
    if (!force && shown_ && now - lastDraw_ < std::chrono::milliseconds(100) &&
        (!total_ || bytes_ < *total_)) {
        return;
    }
    lastDraw_ = now;
    const double seconds = std::chrono::duration<double>(now - *firstReport_).count();
    const double rate =
        seconds > 0 ? static_cast<double>(bytes_ - bytesAtFirstReport_) / seconds : 0.0;
    std::string line = "\r";
    if (total_) {
        const int filled = *total_ > 0 ? static_cast<int>(bytes_ * kBarWidth / *total_) : 0;
        line += "[" + std::string(static_cast<size_t>(filled), '#') +
                std::string(static_cast<size_t>(kBarWidth - filled), '.') + "] ";
        line += std::to_string(bytes_) + "/" + std::to_string(*total_) + " bytes";
    } else {
        line += "received " + std::to_string(bytes_) + " bytes";
        if (estimate_) line += ", about " + std::to_string(*estimate_) + "%";
    }
    char figures[64] = "";
    if (rate > 0) {
        std::snprintf(figures, sizeof figures, "  %.1f KB/s", rate / 1000.0);
        line += figures;
        if (total_) {
            const auto left = static_cast<long>(static_cast<double>(*total_ - bytes_) / rate);
            std::snprintf(figures, sizeof figures, "  %ld:%02ld left", left / 60, left % 60);
            line += figures;
        }
    }
    line += "\033[K";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    shown_ = true;
}

void TransferProgress::clearLine() {
    if (!shown_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
}

}  // namespace sky::cli
