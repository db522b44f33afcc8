// Every target defines FuzzOne and states properties with assert, which the fuzz builds keep on.
#pragma once

#include <cassert>
#include <fuzzer/FuzzedDataProvider.h>

void FuzzOne(FuzzedDataProvider& input);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    FuzzOne(input);
    return 0;
}
