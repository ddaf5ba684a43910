#pragma once
// Inputs for the fuzz test: the texts and files the host reads, their corpus files, and random edits that depend only
// on a seed and an input number, so any input of a run can be made again on its own.
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace fuzz {

enum class Target { Design, Bag, Literal, Bitmap, Icon };

struct Input {
    Target target = Target::Design;
    std::wstring text;  // Design, Bag, Literal
    std::string bytes;  // Bitmap, Icon
};

// The corpus file extension of a target (".design", ".bag", ".literal", ".bmp", ".ico").
std::wstring ExtensionOf(Target target);
const char* NameOf(Target target);
// A corpus file: texts are UTF-8 in which a lone surrogate keeps its own three bytes.
bool ReadInput(const std::filesystem::path& file, Input& input);
void WriteInput(const std::filesystem::path& file, const Input& input);

// Short printable form of an input for a failure message.
std::string Preview(const Input& input);

class Mutator {
public:
    // A good input to start edits from (not a past failure: a campaign would only find it again).
    void AddSeed(Input seed) { seeds_.push_back(std::move(seed)); }
    // Input number `index` of the run with `seed`: a seed input with a few random edits.
    Input Make(uint64_t seed, uint64_t index) const;

private:
    std::vector<Input> seeds_;
};

}  // namespace fuzz
