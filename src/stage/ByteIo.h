// Little-endian readers and writers over memory. The reader never reads past
// its end: every read says whether the bytes were there, and the first
// failure is kept with a description for the message shown to the user.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace vh::stage {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Remaining() const { return bytes_.size() - offset_; }
  std::size_t Offset() const { return offset_; }
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

  // Records the first failure; always returns false so callers can
  // `return in.Fail("...")`.
  bool Fail(std::string detail) {
    if (error_.empty()) error_ = std::move(detail);
    return false;
  }

  // Copies n bytes into out, or fails naming `what` when fewer remain.
  bool Bytes(void* out, std::size_t n, const char* what) {
    if (Failed()) return false;
    if (n > Remaining()) return Fail(std::string("file ends inside ") + what);
    if (n > 0) std::memcpy(out, bytes_.data() + offset_, n);
    offset_ += n;
    return true;
  }

  bool I32(int32_t& out, const char* what) { return Bytes(&out, sizeof out, what); }
  bool U16(uint16_t& out, const char* what) { return Bytes(&out, sizeof out, what); }

  // A view of the next n bytes, consumed.
  bool View(std::span<const uint8_t>& out, std::size_t n, const char* what) {
    if (Failed()) return false;
    if (n > Remaining()) return Fail(std::string("file ends inside ") + what);
    out = bytes_.subspan(offset_, n);
    offset_ += n;
    return true;
  }

 private:
  std::span<const uint8_t> bytes_;
  std::size_t offset_ = 0;
  std::string error_;
};

class ByteWriter {
 public:
  void Bytes(const void* data, std::size_t n) {
    if (n == 0) return;
    const std::size_t at = out_.size();
    out_.resize(at + n);
    std::memcpy(out_.data() + at, data, n);
  }
  void I32(int32_t value) { Bytes(&value, sizeof value); }
  void U16(uint16_t value) { Bytes(&value, sizeof value); }
  void Reserve(std::size_t n) { out_.reserve(n); }

  std::vector<uint8_t>& Data() { return out_; }

 private:
  std::vector<uint8_t> out_;
};

}  // namespace vh::stage
