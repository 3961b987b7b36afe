#include "generators/firewall/RecommendedFirewall.hpp"

#include "generators/firewall/FixedRuleSets.hpp"

namespace vorlix {
namespace {

Outcome run_recommended_firewall(const Form&, Env&) {
    return Outcome::from(generate_fixed_rule_set(name::recommended_firewall));
}

}  // namespace

Binding recommended_firewall_binding() {
    return {name::recommended_firewall, run_recommended_firewall};
}

}  // namespace vorlix
