#pragma once

// The rule of every record setter: a value is stored only when it differs
// from the current one (texts by content, doubles by exact comparison).
template <class T, class V> inline void UstawGdyInna(T& pole, const V& wartosc) {
    if (!(pole == wartosc))
        pole = wartosc;
}
