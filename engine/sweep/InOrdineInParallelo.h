#pragma once
// The parallel loop of the long jobs: items 0..n-1 are worked on several
// threads, and the calling thread receives the results in item order, so
// whatever it builds from them is the same on any thread count. Only a
// window of items ahead of the last one received is in flight, so memory
// stays bounded however long the run.
//
// A stop (the caller's predicate, or the consumer refusing a result) lets no
// worker take a further item; every item already taken is finished and, up
// to the first refusal, received. What the caller holds after a stop is
// therefore exactly what a single-threaded run stopped at that item holds.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <thread>
#include <type_traits>
#include <vector>

namespace nottaro {

struct OpzioniInOrdine {
    int thread = 0;            // workers; 0 = every core
    std::size_t finestra = 0;  // items in flight ahead of the last received; 0 = 8 per worker
    double intervallo = 0.05;  // s at most between two calls of `battito`
};

// The stop as a worker sees it: the caller's request or the consumer's refusal.
class FermataLavori {
public:
    template <class Fermo>
    explicit FermataLavori(Fermo& fermo) : chiesta_(&fermo), prova_([](void* f) { return (*static_cast<Fermo*>(f))(); }) {}
    bool operator()() const { return interna_.load(std::memory_order_relaxed) || prova_(chiesta_); }
    void Ferma() { interna_.store(true, std::memory_order_relaxed); }

private:
    void* chiesta_;
    bool (*prova_)(void*);
    std::atomic<bool> interna_{false};
};

// Number of workers for `thread` (0: every core) and `n` items.
inline int LavoratoriPer(int thread, std::size_t n) {
    const int t = thread > 0 ? thread : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(t), std::max<std::size_t>(n, 1)));
}

// prepara(): one work object per worker (its arrays, its caches).
// produci(k, lavoro, fermata): item k's result, on a worker; it may poll
//   `fermata` to cut a long item short (the result then says so).
// consuma(k, risultato): on the calling thread, in item order; false ends the
//   run after this item.
// fermo(): the caller's stop request, polled by every worker before each item.
// battito(): on the calling thread between receptions (progress).
// Returns the number of items received (a prefix of 0..n-1).
template <class Prepara, class Produci, class Consuma, class Fermo, class Battito>
std::size_t InOrdineInParallelo(std::size_t n, const OpzioniInOrdine& o, Prepara prepara, Produci produci,
                                Consuma consuma, Fermo fermo, Battito battito) {
    using Lavoro = std::invoke_result_t<Prepara&>;
    using Risultato = std::invoke_result_t<Produci&, std::size_t, Lavoro&, const FermataLavori&>;
    const int nLav = LavoratoriPer(o.thread, n);
    const std::size_t finestra = o.finestra > 0 ? o.finestra : static_cast<std::size_t>(nLav) * 8;
    FermataLavori fermata(fermo);
    std::mutex m;
    std::condition_variable cv;
    std::map<std::size_t, Risultato> pronti;
    std::size_t prossimo = 0;  // next item to hand out
    std::size_t ricevuti = 0;  // items received so far

    auto lavoratore = [&] {
        Lavoro lavoro = prepara();
        for (;;) {
            std::size_t k;
            {
                std::unique_lock lk(m);
                cv.wait(lk, [&] { return fermata() || prossimo >= n || prossimo < ricevuti + finestra; });
                if (fermata() || prossimo >= n) return;
                k = prossimo++;
            }
            Risultato r = produci(k, lavoro, fermata);
            {
                std::lock_guard lk(m);
                pronti.emplace(k, std::move(r));
            }
            cv.notify_all();
        }
    };
    std::vector<std::thread> lavoratori;
    lavoratori.reserve(static_cast<std::size_t>(nLav));
    for (int i = 0; i < nLav; ++i) lavoratori.emplace_back(lavoratore);

    const auto attesa = std::chrono::duration<double>(o.intervallo);
    bool continua = true;
    while (continua) {
        std::vector<std::pair<std::size_t, Risultato>> lotto;
        bool finito;
        {
            std::unique_lock lk(m);
            cv.wait_for(lk, attesa, [&] { return pronti.count(ricevuti) > 0 || ricevuti >= n; });
            for (auto it = pronti.find(ricevuti); it != pronti.end(); it = pronti.find(ricevuti)) {
                lotto.emplace_back(ricevuti, std::move(it->second));
                pronti.erase(it);
                ++ricevuti;
            }
            // Once stopped, an item nobody took will never arrive.
            finito = ricevuti >= n || (fermata() && pronti.count(ricevuti) == 0 && prossimo <= ricevuti);
        }
        cv.notify_all();  // the window moved on
        std::size_t consumati = 0;
        for (auto& [k, r] : lotto) {
            ++consumati;
            if (!consuma(k, r)) {
                continua = false;
                break;
            }
        }
        if (!continua) {
            // Items after the one that ended the run do not count. The
            // workers read the count to size their window: under the lock.
            {
                std::lock_guard lk(m);
                ricevuti -= lotto.size() - consumati;
            }
            fermata.Ferma();
            cv.notify_all();
        }
        battito();
        if (finito) break;
    }
    fermata.Ferma();
    cv.notify_all();
    for (auto& t : lavoratori) t.join();
    return ricevuti;
}

}  // namespace nottaro
