#include "dsp/samplebuffer.h"

sampleBuffer& theSampleBuffer()
{
    static sampleBuffer buffer;
    return buffer;
}
