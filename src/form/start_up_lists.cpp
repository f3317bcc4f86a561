#include "form/start_up_lists.h"

#include "form/form_state.h"
#include "text/strings.h"

namespace brakefell {

void FillStartUpLists(FormState& form) {
    // The weapon speeds "1.1", "1.4", "1.6" are the list's own entries.
    form.setListIndex(u"cboWeaponSpeed", 0);

    form.clearList(u"cboGemJMeter");
    for (int meters = 10; meters <= 50; meters += 10) {
        form.appendItem(u"cboGemJMeter", IntegerText(meters));
    }
    form.setListIndex(u"cboGemJMeter", 0);

    form.clearList(u"cboOurGemPoison");
    for (int gems = 1; gems <= 3; ++gems) {
        form.appendItem(u"cboOurGemPoison", IntegerText(gems) + u'개');
    }
    form.setListIndex(u"cboOurGemPoison", 0);
}

}  // namespace brakefell
