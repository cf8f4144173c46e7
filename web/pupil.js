// The pupil's page: a link with mode=pupil opens one variant of the teacher's set as its printed
// sheet, with a field in every answer blank. "Проверить" marks every field and gives the code the
// pupil sends to the teacher. Nothing is stored or sent; what the pupil types is only ever data.
'use strict';

// Takes over the page when its address is a pupils' link; answers false for any other address.
function startPupil({ core, element, showMessages }) {
  const fragment = location.hash.slice(1);
  if (!/(^|[?&])mode=/.test(fragment)) return false;
  document.body.classList.add('pupil-mode');
  const section = element('section', { id: 'pupil', class: 'pupil' });
  document.querySelector('main').before(section);
  const opened = core.PupilOpen(fragment);
  if (opened.error !== undefined) {
    showMessages([opened.error]);
    section.append(element('p', { class: 'pupil-refused' },
      'Эта ссылка не открывает работу. Попросите учителя прислать ссылку ещё раз.'));
    return true;
  }

  // ---- Who and which variant ----
  const nameField = element('input', { id: 'pupil-name', maxlength: 60, autocomplete: 'name', required: true });
  const classField = element('input', { id: 'pupil-class', maxlength: 60, required: true });
  const variantField = element('input', { id: 'pupil-variant', type: 'number', min: 1, max: opened.variants,
    inputmode: 'numeric', required: true });
  if (opened.variant > 0) {
    variantField.value = String(opened.variant);
    variantField.readOnly = true;
  }
  const start = element('button', { id: 'pupil-start', type: 'submit' }, 'Начать');
  const form = element('form', { class: 'pupil-form' },
    element('h2', {}, 'Работа на экране'),
    element('label', {}, 'Фамилия, имя ', nameField),
    element('label', {}, 'Класс ', classField),
    element('label', {}, 'Вариант ', variantField,
      opened.variant > 0 ? '' : ` (от 1 до ${opened.variants})`),
    start);
  const sheet = element('div', { id: 'pupil-sheet', class: 'pupil-sheet' });
  const check = element('button', { id: 'pupil-check', type: 'button', hidden: true }, 'Проверить');
  const summary = element('span', { id: 'pupil-summary', role: 'status', hidden: true });
  const code = element('output', { id: 'result-code', class: 'result-code' });
  const copy = element('button', { id: 'result-copy', type: 'button' }, 'Скопировать код');
  const copied = element('span', { role: 'status' });
  const codeBox = element('div', { id: 'pupil-code', class: 'pupil-code', hidden: true },
    element('p', {}, 'Код для учителя (отправьте его в чат, по почте или перепишите на листок):'),
    element('p', {}, code, ' ', copy, ' ', copied));
  // The score stays in sight beside "Проверить" while the pupil looks through the marks.
  section.append(form, sheet, element('p', { class: 'pupil-actions' }, check, ' ', summary), codeBox);

  let work = null;  // {variant, items, boxes: Map(index -> box)}

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    const name = nameField.value.trim();
    const className = classField.value.trim();
    const variant = Number(variantField.value);
    const problems = [];
    if (name === '') problems.push('Напишите фамилию и имя.');
    if (className === '') problems.push('Напишите класс.');
    if (!Number.isInteger(variant) || variant < 1 || variant > opened.variants)
      problems.push(`Вариант — число от 1 до ${opened.variants}.`);
    showMessages(problems);
    if (problems.length > 0) return;
    showSheet(variant);
    for (const field of [nameField, classField, variantField]) field.readOnly = true;
    start.hidden = true;
  });

  // ---- The sheet and its fields ----
  function fieldInput(kind, item, part) {
    const attributes = { 'data-item': item.label, autocomplete: 'off', spellcheck: 'false',
      'aria-label': `Ответ ${item.label}` + (part ? ` (${partNames[part]})` : '') };
    if (kind === 'sign') {
      const select = element('select', attributes, element('option', { value: '' }, ''),
        ...['<', '>', '='].map((sign) => element('option', { value: sign }, sign)));
      return select;
    }
    if (part) attributes['data-part'] = part;
    attributes.inputmode = kind === 'roman' ? 'text' : part ? 'numeric' : 'decimal';
    if (kind === 'roman') attributes.autocapitalize = 'characters';
    return element('input', { type: 'text', ...attributes });
  }
  const partNames = { whole: 'целая часть', num: 'числитель', den: 'знаменатель' };

  // One field of an item: a number, a sign, a Roman numeral, or a fraction set as on paper.
  function field(kind, item, unit) {
    let box;
    if (kind === 'fraction') {
      const whole = fieldInput(kind, item, 'whole');
      const num = fieldInput(kind, item, 'num');
      const den = fieldInput(kind, item, 'den');
      box = element('span', { class: 'field fraction' }, whole,
        element('span', { class: 'stack' }, num, element('span', { class: 'bar' }), den));
    } else {
      box = element('span', { class: 'field ' + kind }, fieldInput(kind, item));
    }
    if (unit) box.append(element('span', { class: 'unit' }, unit));
    return box;
  }

  function place(box, blank, laid, tall) {
    // In percent of the page, so that the fields scale with the page as it fits the window.
    const left = (blank.x / laid.width) * 100;
    const top = ((blank.y - blank.size * (tall ? 2.1 : 1.05)) / laid.height) * 100;
    box.style.left = left + '%';
    box.style.top = top + '%';
    box.style.minWidth = (blank.width / laid.width) * 100 + '%';
    box.style.setProperty('--text-size', String(blank.size / laid.width));
  }

  function showSheet(variant) {
    const laid = core.PupilPages(fragment, variant);
    const items = core.PupilItems(variant);
    if (laid.error !== undefined || items.error !== undefined) {
      showMessages([laid.error ?? items.error]);
      return;
    }
    const byIndex = new Map(items.map((item) => [item.index, item]));
    const boxes = new Map();
    sheet.replaceChildren();
    for (const page of laid.pages) {
      const paper = element('div', { class: 'pupil-page' });
      // The core sets every text of the sheet as escaped SVG text.
      paper.insertAdjacentHTML('afterbegin', page.svg);
      const layer = element('div', { class: 'fields' });
      for (const blank of page.blanks) {
        const item = byIndex.get(blank.item);
        if (item === undefined || boxes.has(item.index)) continue;
        const box = element('div', { class: 'answer-box', 'data-item': item.label });
        if (item.judged) {
          for (const f of item.fields) box.append(field(f.kind, item, f.unit));
        } else {
          box.classList.add('teacher');
          box.append(element('span', { class: 'note' }, 'проверит учитель'));
        }
        place(box, blank, laid, item.fields.some((f) => f.kind === 'fraction'));
        layer.append(box);
        boxes.set(item.index, box);
      }
      paper.append(layer);
      sheet.append(paper);
    }
    work = { variant, items, boxes };
    check.hidden = false;
    const first = sheet.querySelector('input, select');
    if (first) first.focus();
  }

  // Enter goes on to the next field, as Tab does.
  sheet.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter') return;
    event.preventDefault();
    const fields = [...sheet.querySelectorAll('input, select')];
    const next = fields[fields.indexOf(event.target) + 1];
    if (next) next.focus(); else check.focus();
  });

  // ---- Checking ----
  function typed(item) {
    const box = work.boxes.get(item.index);
    if (!item.judged || box === undefined) return [];
    return [...box.querySelectorAll('.field')].map((f) => {
      if (!f.classList.contains('fraction')) return f.querySelector('input, select').value;
      const part = (name) => f.querySelector(`[data-part=${name}]`).value;
      return { whole: part('whole'), num: part('num'), den: part('den') };
    });
  }

  check.addEventListener('click', () => {
    if (work === null) return;
    const answers = work.items.map(typed);
    const result = core.PupilCheck(work.variant, answers, nameField.value.trim(), classField.value.trim(),
      Date.now());
    if (result.error !== undefined) {
      showMessages([result.error]);
      return;
    }
    for (const judged of result.items) {
      const box = work.boxes.get(judged.index);
      if (box === undefined) continue;
      box.querySelectorAll('.verdict, .notes').forEach((old) => old.remove());
      box.classList.remove('right', 'wrong');
      if (judged.verdict === 'teacher') continue;
      const right = judged.verdict === 'right';
      box.classList.add(right ? 'right' : 'wrong');
      box.append(element('span', { class: 'verdict', 'aria-label': right ? 'верно' : 'неверно' }, right ? '✓' : '✗'));
      // Why, and the right answer, in small print under the field, clear of the next exercise.
      const notes = element('span', { class: 'notes' });
      if (judged.reason) notes.append(element('span', { class: 'reason' }, judged.reason));
      if (!right && opened.reveal && judged.answer) notes.append(element('span', { class: 'revealed' }, 'Ответ: ' + judged.answer));
      if (notes.childElementCount > 0) box.append(notes);
    }
    const unjudged = result.items.filter((item) => item.verdict === 'teacher').length;
    summary.textContent = `Верно: ${result.right} из ${result.total}` +
      (result.mark > 0 ? `. Отметка: ${result.mark}` : '') +
      (unjudged > 0 ? `. Ещё ${unjudged} проверит учитель.` : '.');
    summary.hidden = false;
    code.textContent = result.code || result.codeError || '';
    copied.textContent = '';
    codeBox.hidden = false;
  });

  copy.addEventListener('click', async () => {
    try {
      await navigator.clipboard.writeText(code.textContent);
      copied.textContent = '(скопирован)';
    } catch {
      copied.textContent = '(скопируйте его отсюда)';
    }
  });
  return true;
}
