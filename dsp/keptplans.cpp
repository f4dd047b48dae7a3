#include "dsp/keptplans.h"

#include <cmath>
#include <list>
#include <mutex>

namespace {

using std::size_t;

// The kept plans, the one used last first; at most one per length.
class planStore {
public:
    std::unique_ptr<keptTransform> take(size_t length)
    {
        const std::lock_guard lock(mutex_);
        for (auto it = kept_.begin(); it != kept_.end(); ++it)
            if ((*it)->plan.length() == length) {
                std::unique_ptr<keptTransform> found = std::move(*it);
                kept_.erase(it);
                return found;
            }
        return nullptr;
    }

    void giveBack(std::unique_ptr<keptTransform> kept)
    {
        if (kept->bytes() > kKeptPlanBytes)
            return;
        std::unique_ptr<keptTransform> dropped; // freed after the lock is released
        std::list<std::unique_ptr<keptTransform>> evicted;
        const std::lock_guard lock(mutex_);
        for (auto it = kept_.begin(); it != kept_.end(); ++it)
            if ((*it)->plan.length() == kept->plan.length()) {
                dropped = std::move(*it);
                kept_.erase(it);
                break;
            }
        kept_.push_front(std::move(kept));
        while (bytesLocked() > kKeptPlanBytes)
            evicted.splice(evicted.end(), kept_, std::prev(kept_.end()));
    }

    size_t bytes()
    {
        const std::lock_guard lock(mutex_);
        return bytesLocked();
    }

private:
    size_t bytesLocked() const
    {
        size_t total = 0;
        for (const auto& k : kept_)
            total += k->bytes();
        return total;
    }

    std::mutex mutex_;
    std::list<std::unique_ptr<keptTransform>> kept_;
};

// The one store of the process: the plans are a cache of pure functions of their length, shared
// by every caller on every thread.
planStore& store()
{
    static planStore s;
    return s;
}

} // namespace

keptTransform::keptTransform(size_t length) : plan(length) {}

size_t keptTransform::bytes() const
{
    return plan.bytes() + (work[0].size() + work[1].size() + halfTurns.size()) * sizeof(complexValue);
}

keptPlan::keptPlan(size_t length) : kept_(store().take(length))
{
    if (!kept_)
        kept_ = std::make_unique<keptTransform>(length);
}

keptPlan::~keptPlan()
{
    store().giveBack(std::move(kept_));
}

complexValue* keptPlan::work(int which)
{
    complexBuffer& w = kept_->work[which];
    if (w.size() != kept_->plan.length())
        w = complexBuffer(kept_->plan.length());
    return w.data();
}

const complexValue* keptPlan::halfTurns()
{
    const size_t a = kept_->plan.length();
    complexBuffer& t = kept_->halfTurns;
    if (t.size() == a / 2)
        return t.data();
    t = complexBuffer(a / 2);
    // Angles up to an eighth of a turn from their own sine and cosine; the rest of the half turn
    // by exchanging and negating those: e^(-j theta) = sin(phi) - j cos(phi) for
    // phi = pi/2 - theta, and e^(-j theta) = -cos(psi) - j sin(psi) for psi = pi - theta.
    const auto direct = [a](size_t k) {
        extended s = 0, c = 1;
        if (k > 0)
            ::sincosl(2 * kPi * static_cast<extended>(k) / static_cast<extended>(a), &s, &c);
        return complexValue{c, -s};
    };
    const size_t quarter = a / 4;
    for (size_t k = 0; k < a / 2; ++k) {
        if (a < 8 || 8 * k <= a)
            t[k] = direct(k);
        else if (k <= quarter) {
            const complexValue m = t[quarter - k];
            t[k] = {-m.im, -m.re};
        } else {
            const complexValue m = t[a / 2 - k];
            t[k] = {-m.re, m.im};
        }
    }
    return t.data();
}

size_t keptPlanBytes()
{
    return store().bytes();
}
