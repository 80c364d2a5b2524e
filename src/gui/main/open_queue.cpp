#include "gui/main/open_queue.h"

#include <utility>

namespace lumo {
namespace {

// How often a waiting request looks whether the window has become idle.
constexpr int kPollMs = 100;

}  // namespace

OpenQueue::OpenQueue(IsIdle isIdle, Open open, QObject* parent)
    : QObject(parent), isIdle_(std::move(isIdle)), open_(std::move(open)) {
  timer_.setInterval(kPollMs);
  connect(&timer_, &QTimer::timeout, this, &OpenQueue::Poll);
}

void OpenQueue::Request(std::string path) {
  pending_ = std::move(path);
  if (!timer_.isActive()) timer_.start();
}

void OpenQueue::Poll() {
  if (!pending_) {
    timer_.stop();
    return;
  }
  if (!isIdle_()) return;
  timer_.stop();
  const std::string path = *std::exchange(pending_, std::nullopt);
  open_(path);
}

}  // namespace lumo
