#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace cantorino::test {

/// Builds Standard MIDI Files in memory: events are added at absolute ticks, in order.
class SmfWriter {
public:
    /// One track chunk under construction.
    class Track {
    public:
        /// Moves the write position to `tick` (never backwards).
        Track& at(uint32_t tick);
        /// Moves the write position on by `ticks`.
        Track& wait(uint32_t ticks) { return at(tick_ + ticks); }
        /// Leaves out repeated channel status bytes from here on.
        Track& runningStatus(bool on = true) { running_ = on; return *this; }

        Track& noteOn(int channel, int key, int velocity);   ///< 0x9n
        Track& noteOff(int channel, int key);                ///< 0x8n with velocity 0
        Track& program(int channel, int program);            ///< 0xCn
        Track& control(int channel, int controller, int value);  ///< 0xBn
        Track& pitchBend(int channel, int value);            ///< 0xEn, value 0..16383
        Track& meta(int type, std::string_view data);        ///< 0xFF type length data
        Track& text(std::string_view s) { return meta(0x01, s); }       ///< FF 01
        Track& lyric(std::string_view s) { return meta(0x05, s); }      ///< FF 05
        Track& name(std::string_view s) { return meta(0x03, s); }       ///< FF 03
        Track& tempo(uint32_t microsPerQuarter);              ///< FF 51
        Track& timeSignature(int numerator, int denominatorPower);  ///< FF 58
        Track& sysex(std::string_view data);                 ///< F0 length data
        Track& endOfTrack() { return meta(0x2F, {}); }        ///< FF 2F 00
        /// Appends bytes as they are, with the pending delta time before them.
        Track& raw(std::vector<uint8_t> bytes);

        /// The encoded track data (without the chunk header).
        const std::vector<uint8_t>& data() const { return data_; }

    private:
        void channel(uint8_t status, std::initializer_list<uint8_t> bytes);
        void delta();

        std::vector<uint8_t> data_;
        uint32_t tick_ = 0;
        uint32_t written_ = 0;
        uint8_t lastStatus_ = 0;
        bool running_ = false;
    };

    /// A file with the given division and format.
    explicit SmfWriter(uint16_t division = 480, uint16_t format = 1) : division_(division), format_(format) {}

    /// Starts a new track.
    Track& track();
    /// The whole file: header declaring every track, then the track chunks.
    std::vector<uint8_t> bytes() const;
    /// Writes bytes() to `path`.
    void save(const std::string& path) const;

private:
    uint16_t division_;
    uint16_t format_;
    std::deque<Track> tracks_;
};

/// Appends a variable-length quantity.
void appendVarLen(std::vector<uint8_t>& out, uint32_t value);

}  // namespace cantorino::test
