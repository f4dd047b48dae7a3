#include "ui/samplingworker.h"

#include "dsp/sampling.h"
#include "expr/mathnode.h"

SamplingWorker::SamplingWorker(threadStarter starter) : thread_(std::move(starter)) {}

SamplingWorker::~SamplingWorker()
{
    stop();
}

void SamplingWorker::stop()
{
    stop_ = true; // the run looks at it between instructions over a block of points
    thread_.join();
}

void SamplingWorker::start(std::unique_ptr<mathNode> root, int count)
{
    if (busy_ || !root)
        return;
    thread_.join(); // the previous run has ended; its thread is only returning
    count_ = clampSampleCount(count);
    buffer_.setCount(count_);
    root_ = std::move(root);
    done_ = false;
    stop_ = false;
    progress_ = 0;
    busy_ = true;
    try {
        thread_.start(
            [this] {
                // Ends with progress 100 unless stopped.
                const bool finished = runSampling(*root_, count_, buffer_, progress_, &stop_);
                root_.reset();
                // `done` before `busy` goes down, so the dialog never sees an idle worker with
                // neither flag set while a result is on its way.
                done_ = finished;
                busy_ = false;
            },
            WorkerThread::priority::normal, kStackSize);
    } catch (const threadStartError&) {
        root_.reset();
        busy_ = false;
        throw;
    }
}
