// Links to a build: the page's address with the build's share code as its fragment, and the
// edition beside it as a query parameter when it is the lite one. The desktop reads such a link
// as it reads the code alone (it takes what follows the "#").

const kEditionParameter = "edition";
const kEditions = ["full", "lite"];

// A fragment as a person's browser may have rewritten it (a percent-encoded dot, a "%20" after
// the code): decoded where it can be, as it is where it cannot.
export function decodeFragment(text) {
  try {
    return decodeURIComponent(text);
  } catch {
    return text;
  }
}

// What the page's address asks for: { code, edition }, each null when absent. The code is the
// fragment as it stands; opening it decodes it (decodeFragment).
export function readLink(address) {
  const url = new URL(address);
  const code = url.hash.length > 1 ? url.hash.slice(1) : null;
  const edition = url.searchParams.get(kEditionParameter);
  return { code, edition: kEditions.includes(edition) ? edition : null };
}

// The link that opens `code` in `edition` on the page at `address`.
export function linkTo(address, edition, code) {
  const url = new URL(address);
  url.search = "";
  if (edition === "lite") url.searchParams.set(kEditionParameter, edition);
  url.hash = code;
  return url.href;
}

// The address without the link's parts, so that a reload or a bookmark opens the page with the
// player's own last inputs, not the link's build again.
export function addressWithoutLink(address) {
  const url = new URL(address);
  url.searchParams.delete(kEditionParameter);
  url.hash = "";
  return url.href.replace(/#$/, "");
}
