// Affine groups on copies of a finite field, the symmetries the orbit search imposes.
#include "permutation_groups.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace quorvex::search {

namespace {

// GF(p^e): elements 0..q-1 are polynomials over GF(p) of degree < e, written in base p.
struct Field {
    int p = 0, e = 0, q = 0;
    std::vector<int> power, log; // power[i] = g^i for a generator g of the q - 1 non-zero elements

    int Add(int a, int b) const {
        int sum = 0;
        for (int place = 1, i = 0; i < e; ++i, place *= p) {
            sum += (a / place % p + b / place % p) % p * place;
        }
        return sum;
    }
    int Multiply(int a, int b) const {
        return a == 0 || b == 0 ? 0 : power[static_cast<std::size_t>((log[a] + log[b]) % (q - 1))];
    }
};

std::optional<Field> MakeField(int q) {
    Field field;
    field.q = q;
    for (field.p = 2; field.p < q && q % field.p != 0; ++field.p) {
    }
    for (int rest = q; rest > 1; rest /= field.p) {
        if (rest % field.p != 0) {
            return std::nullopt;
        }
        ++field.e;
    }
    const int high = q / field.p; // the place of the highest coefficient
    // `a` times the generator `g`: for a prime field g is a number; otherwise g
    // is x, modulo x^e + (the polynomial written as `g`), coefficient by coefficient.
    const auto times = [&field, q, high](int a, int g) {
        if (field.e == 1) {
            return a * g % q;
        }
        const int top = a / high;
        int product = 0;
        for (int place = 1, i = 0; i < field.e; ++i, place *= field.p) {
            const int shifted = i == 0 ? 0 : a / (place / field.p) % field.p;
            const int digit =
                ((shifted - top * (g / place % field.p)) % field.p + field.p) % field.p;
            product += digit * place;
        }
        return product;
    };
    // A generator, or a modulus whose root is one: every field has one below q,
    // so the search always ends inside the loop.
    for (int g = 1;; ++g) {
        std::vector<int> power;
        std::vector<bool> seen(static_cast<std::size_t>(q));
        int x = 1;
        while (x != 0 && !seen[static_cast<std::size_t>(x)]) {
            seen[static_cast<std::size_t>(x)] = true;
            power.push_back(x);
            x = times(x, g);
        }
        if (static_cast<int>(power.size()) == q - 1 && x == 1) {
            field.power = power;
            field.log.assign(static_cast<std::size_t>(q), 0);
            for (int i = 0; i < q - 1; ++i) {
                field.log[static_cast<std::size_t>(power[static_cast<std::size_t>(i)])] = i;
            }
            return field;
        }
    }
}

Permutation Compose(const Permutation& first, const Permutation& then) {
    Permutation result(first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        result[i] = then[first[i]];
    }
    return result;
}

std::vector<Permutation> Closure(const std::vector<Permutation>& generators, std::size_t points) {
    Permutation identity(points);
    for (std::size_t i = 0; i < points; ++i) {
        identity[i] = static_cast<std::uint8_t>(i);
    }
    std::vector<Permutation> elements{identity};
    std::set<Permutation> seen{identity};
    for (std::size_t at = 0; at < elements.size(); ++at) {
        for (const Permutation& g : generators) {
            Permutation next = Compose(elements[at], g);
            if (seen.insert(next).second) {
                elements.push_back(std::move(next));
            }
        }
    }
    return elements;
}

std::string Copies(int copies) {
    static const char* const kWords[] = {"", "", "two", "three", "four", "five", "six", "seven"};
    return copies < 8 ? kWords[copies] : std::to_string(copies);
}

} // namespace

PermutationGroup AffineGroup(int fieldSize, int multipliers, int copies, int fixed) {
    PermutationGroup group{{}, fieldSize, multipliers, copies, fixed, {}, {}};
    auto field = MakeField(fieldSize);
    if (!field && multipliers == 1 && fieldSize >= 2) {
        field = Field{fieldSize, 1, fieldSize, {}, {}}; // the integers mod n: x -> x+1 only
    }
    if (!field || multipliers < 1 || (fieldSize - 1) % multipliers != 0) {
        return group;
    }
    const auto points = static_cast<std::size_t>(copies * fieldSize + fixed);
    // x -> x + b for b each unit of the field's base (its translations), and x -> w*x.
    std::vector<std::pair<int, int>> maps; // (a, b)
    for (int place = 1; place < fieldSize; place *= field->p) {
        maps.emplace_back(1, place);
    }
    if (multipliers > 1) {
        maps.emplace_back(field->power[static_cast<std::size_t>((fieldSize - 1) / multipliers)], 0);
    }
    for (const auto& [a, b] : maps) {
        Permutation g(points);
        for (std::size_t i = 0; i < points; ++i) {
            g[i] = static_cast<std::uint8_t>(i);
        }
        for (int c = 0; c < copies; ++c) {
            for (int x = 0; x < fieldSize; ++x) {
                g[static_cast<std::size_t>(c * fieldSize + x)] = static_cast<std::uint8_t>(
                    c * fieldSize + field->Add(a == 1 ? x : field->Multiply(a, x), b));
            }
        }
        group.generators.push_back(std::move(g));
    }
    group.elements = Closure(group.generators, points);

    const bool cyclic = field->e == 1;
    const std::string size = std::to_string(fieldSize);
    if (multipliers > 1) {
        group.name =
            "x \u2192 ax+b, a of order " + std::to_string(multipliers) + ", on GF(" + size + ")";
    } else {
        group.name = cyclic ? "x \u2192 x+1 mod " + size : "the translations of GF(" + size + ")";
    }
    if (copies > 1) {
        group.name += ", " + Copies(copies) + " copies";
    }
    if (fixed > 0) {
        group.name += fixed == 1 ? ", one number fixed" : ", " + std::to_string(fixed) + " fixed";
    }
    return group;
}

std::vector<PermutationGroup> GroupsFor(int numbers, int largestOrder) {
    // (q, d, r, f), by how well such groups have done: one field with a fixed
    // point or none, then a few copies of a smaller field.
    struct Shape {
        int q, d, r, f;
        int rank;
    };
    std::vector<Shape> shapes;
    for (int f = 0; f <= 2; ++f) {
        for (int r = 1; r <= 4; ++r) {
            if ((numbers - f) % r != 0) {
                continue;
            }
            const int q = (numbers - f) / r;
            if (q < 3) {
                continue;
            }
            const bool field = MakeField(q).has_value(); // else the integers mod q
            for (int d = 1; d <= (field ? q - 1 : 1); ++d) {
                const int order = q * d;
                if ((q - 1) % d != 0 || order < 3 || order > std::min(largestOrder, 160)) {
                    continue;
                }
                // Equal orbits need d = 1 (or q prime and large); few fixed points
                // help, and so do larger groups, up to 60.
                const int rank = f * 4 + (r - 1) * 2 + (d == 1 ? 0 : (order <= 60 ? 1 : 3)) +
                                 (order < 7 ? 2 : 0) + (field ? 0 : 3);
                shapes.push_back({q, d, r, f, rank});
            }
        }
    }
    std::stable_sort(shapes.begin(), shapes.end(),
                     [](const Shape& a, const Shape& b) { return a.rank < b.rank; });
    std::vector<PermutationGroup> groups;
    for (const Shape& shape : shapes) {
        if (groups.size() == 6) {
            break;
        }
        PermutationGroup group = AffineGroup(shape.q, shape.d, shape.r, shape.f);
        if (!group.elements.empty()) {
            groups.push_back(std::move(group));
        }
    }
    return groups;
}

} // namespace quorvex::search
