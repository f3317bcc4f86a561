// Random characters as a person would type them, as control assignments ("name", "value") in the
// window's order (a slot's skill before its rune). Drawn much as a player's sheet looks, with now
// and then a box holding something no sheet shows.

export function randomSource(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  return {
    next,
    whole: (low, high) => low + Math.floor(next() * (high - low + 1)),
    chance: (p) => next() < p,
    tenths: (low, high) => Math.round((low + next() * (high - low)) * 10) / 10,
    pick: (list) => list[Math.floor(next() * list.length)],
  };
}

const kHostile = [
  "1e999", "-1e999", "", "abc", "12,345", "  42  ", "0x1F", "1e308", "-0", "한글", "9".repeat(400),
  "1.7976931348623157e308", "NaN", ".5", "5.", "+3", "-250", "3.14159265358979323846", "1e-320",
  "０１２", "99999999999999999999",
];
const kSkillBoxes = [0, 1, 2, 3, 4, 5, 6, 7, 8, 14, 16, 18, 19, 20, 21, 22, 23];
const kBuildSkills = [5, 7, 8, 14, 18, 21, 22];

// `hostile`: how likely each number box is to hold one of the texts above.
export function randomCharacter(random, { hostile = 0, checkStates = [0, 1, 2] } = {}) {
  const sets = [];
  const text = (name, value) =>
    sets.push([name, random.chance(hostile) ? random.pick(kHostile) : String(value)]);
  const orZero = (value) => (random.chance(0.5) ? value : 0);
  const check = (name) => sets.push([name, String(random.chance(0.05) ? random.pick(checkStates) : random.whole(0, 1))]);

  sets.push(["cboWeaponSpeed", String(random.whole(0, 2))]);
  text("txtWeaponExtraSpeed", random.whole(0, 15));
  const low = random.whole(500, 3000);
  text("txtWeaponDamageMin", low);
  text("txtWeaponDamageMax", low + random.whole(0, 1500));
  for (let element = 1; element <= 6; ++element) text(`txtEnchant(${element})`, orZero(random.whole(0, 100)));
  text("txtMainStat", random.whole(1000, 15000));
  text("txtCriticalDamage", random.whole(50, 600));
  text("txtTesker", random.chance(0.3) ? random.whole(0, 30) : 0);
  text("txtAttackSpeed", random.tenths(0, 120));
  text("txtCriticalChance", random.tenths(0, 80));
  text("txtEnchantElite", random.whole(0, 100));
  text("txtDecreaseTime", random.tenths(0, 70));
  for (const skill of kSkillBoxes) text(`txtSkill(${skill})`, orZero(random.whole(0, 60)));
  for (const name of ["chkPassiveAim", "chkPassiveArrow", "chkPassiveRenovate", "chkPassiveWeak",
    "chkPassiveTrajectory", "chkGemStrong", "chkMorePain", "chkGemLocked", "chkGemSummon",
    "chkGemPoison", "chkGemJ", "chkMark", "chkCompanion", "chkVoodoo", "chkOurGemPoison"]) {
    check(name);
  }
  sets.push(["chkCrossbow", random.chance(0.8) ? "1" : "0"]);
  for (const name of ["txtGemStrong", "txtMorePain", "txtGemLocked", "txtGemSummon", "txtGemPoison", "txtGemJ"]) {
    text(name, random.whole(0, 100));
  }
  sets.push(["cboGemJMeter", String(random.whole(0, 4))]);
  sets.push(["cboOurGemPoison", String(random.whole(0, 2))]);
  sets.push([random.chance(0.5) ? "optVoodooDance" : "optVoodooETC", "1"]);
  sets.push([random.chance(0.5) ? "optGemPoison(0)" : "optGemPoison(1)", "1"]);
  for (let slot = 0; slot < 6; ++slot) {
    const skill = random.chance(0.7) ? random.pick(kBuildSkills) : random.whole(0, 23);
    sets.push([`cboUsingSkill(${slot})`, String(skill)]);
    sets.push([`cboUsingSkillRune(${slot})`, String(random.whole(0, 5))]);
  }
  return sets;
}

export function toolArguments(sets) {
  return sets.flatMap(([name, value]) => ["--set", `${name}=${value}`]);
}
