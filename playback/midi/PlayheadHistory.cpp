#include "PlayheadHistory.h"

namespace cantorino {

void PlayheadHistory::reset(const Playhead& initial) {
    first_ = 0;
    count_ = 1;
    ring_[0] = initial;
}

void PlayheadHistory::record(const Playhead& playhead) {
    if (count_ == kCapacity) {
        first_ = (first_ + 1) % kCapacity;
        --count_;
    }
    ring_[(first_ + count_) % kCapacity] = playhead;
    ++count_;
}

const Playhead& PlayheadHistory::at(uint64_t frame) {
    while (count_ > 1 && ring_[(first_ + 1) % kCapacity].frame <= frame) {
        first_ = (first_ + 1) % kCapacity;
        --count_;
    }
    return ring_[first_];
}

}  // namespace cantorino
