#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

namespace tessaly::studio {

// Runs jobs one after another on a thread of its own, for short work the
// window must not wait for (reading a picture, scoring a touched-up wall).
// Only the newest job's result is delivered, on the thread that owns the
// runner: a job that a newer one overtook before it started is skipped, and
// a finished one's result is dropped.
class NewestJobRunner : public QObject
{
    Q_OBJECT

public:
    explicit NewestJobRunner(const QString &name, QObject *parent = nullptr);
    ~NewestJobRunner() override; // waits for the job that runs; delivers nothing more

    // Whether the job is still wanted, from any thread: false once a newer
    // job was asked for or cancel was called.
    using StillWanted = std::function<bool()>;

    // Runs job on the runner's thread, then deliver with its result on the
    // owner's, unless a newer job was asked for or cancel was called
    // meanwhile. A long job may stop early when stillWanted() turns false.
    // Returns the job's number, higher than any before.
    template <typename Result>
    unsigned long long run(std::function<Result(const StillWanted &stillWanted)> job,
                           std::function<void(Result)> deliver)
    {
        const unsigned long long number = ++m_latest;
        const StillWanted stillWanted = [this, number] { return number == m_latest; };
        QMetaObject::invokeMethod(m_runner, [this, stillWanted, job = std::move(job), deliver = std::move(deliver)] {
            if (!stillWanted())
                return;
            auto result = std::make_shared<Result>(job(stillWanted));
            QMetaObject::invokeMethod(this, [stillWanted, result, deliver] {
                if (stillWanted())
                    deliver(std::move(*result));
            });
        });
        return number;
    }
    template <typename Result>
    unsigned long long run(std::function<Result()> job, std::function<void(Result)> deliver)
    {
        return run<Result>([job = std::move(job)](const StillWanted &) { return job(); }, std::move(deliver));
    }

    // Delivers none of the jobs asked for so far.
    void cancel() { ++m_latest; }

private:
    QThread m_thread;
    QObject *m_runner = nullptr; // lives on m_thread; deleted when it finishes
    std::atomic<unsigned long long> m_latest{0};
};

} // namespace tessaly::studio
