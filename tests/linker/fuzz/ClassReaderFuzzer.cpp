// libFuzzer entry: every input is tried as each seed class; any answer other
// than a coded error is a crash under the sanitizers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/linker/fuzz/ClassFileExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& name : classfuzz::SeedClassNames()) classfuzz::ExerciseClassFile(name, bytes);
    return 0;
}
