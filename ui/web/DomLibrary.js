// SPDX-License-Identifier: MIT
// The page's side of the browser binding: the DOM elements that show the
// model's controls, and the browser's input, timers, dialogs, links and
// files handed back to it. Everything here only shows and reports; the
// rules are the model's.

mergeInto(LibraryManager.library, {
  $TP: {
    elements: [null],  // by peer id; 0 is none
    forms: [],
    boxes: [],
    drawn: [],  // canvases with pixels still to put

    add: function(element) {
      TP.elements.push(element);
      return TP.elements.length - 1;
    },
    // The element that a control's children are placed in.
    client: function(element) { return element.tpClient || element; },
    // Shows a caption's text with its access letter underlined; text only,
    // so nothing in it is ever read as markup.
    fill: function(target, before, letter, after) {
      target.textContent = '';
      target.append(before);
      if (letter) {
        var underlined = document.createElement('u');
        underlined.textContent = letter;
        target.append(underlined, after);
      }
    },
    desktop: function() {
      return document.getElementById('tp-desktop') || document.body;
    },
    // Routes a key to the model through the form's window; true when the
    // browser's own action must not follow.
    key: function(form, event) {
      var keys = {Tab: 9, ' ': 32, ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40,
                  Shift: 16, Control: 17, Alt: 18};
      var key = keys[event.key] || 0;
      if (!key && /^F([1-9]|1[0-2])$/.test(event.key)) key = 111 + Number(event.key.slice(1));
      if (!key && event.keyCode >= 48 && event.keyCode <= 90) key = event.keyCode;
      // The character the key types, if it types one; the model decides
      // which of them the game reads.
      var character = Array.from(event.key).length === 1 ? event.key.codePointAt(0) : 0;
      Module['_tp_key'](form, key, event.shiftKey, event.altKey, event.ctrlKey, character);
      // Every key the game gets is its own, except the browser's: its
      // commands with Ctrl or Meta, reload, full screen and its tools.
      return !(event.ctrlKey || event.metaKey || /^F(5|11|12)$/.test(event.key));
    },
    // Keys go to the window that has the focus, or to the game's window
    // when nothing on the page has it; not while a modal box is open, and
    // never those typed into a box.
    listen: function() {
      if (TP.listening) return;
      TP.listening = true;
      // Alt pressed and let go alone opens the first menu, as it takes the
      // desktop's keyboard to a menu bar whose first title has no letter.
      var altAlone = false;
      document.addEventListener('keyup', function(event) {
        if (event.key !== 'Alt' || !altAlone) return;
        altAlone = false;
        var form = document.activeElement && document.activeElement.closest
            ? document.activeElement.closest('.tp-window') : null;
        form = form || TP.forms[0];
        if (!form || form.hidden || document.querySelector('.tp-veil')) return;
        var first = form.tpMenu.firstElementChild;
        if (!first) return;
        event.preventDefault();
        if (TP.openMenu === first) TP.closeMenu();
        else TP.showMenu(first);
      });
      document.addEventListener('keydown', function(event) {
        altAlone = event.key === 'Alt' && !event.repeat;
        var target = event.target;
        if (target.closest && target.closest('.tp-box')) return;
        if (document.querySelector('.tp-veil')) { event.preventDefault(); return; }
        var form = target.closest ? target.closest('.tp-window') : null;
        if (!form && (target === document.body || target === document.documentElement)) form = TP.forms[0];
        if (!form || form.hidden) return;
        if (TP.menuKey(form, event)) { event.preventDefault(); return; }
        if (TP.key(form.tpForm, event)) event.preventDefault();
      });
    },
    showMenu: function(title) {
      TP.closeMenu();
      TP.openMenu = title;
      title.classList.add('tp-open');
      var first = title.tpList.querySelector('.tp-menu-item');
      if (first) first.focus({preventScroll: true});
    },
    chooseItem: function(item) {
      var form = item.closest('.tp-window');
      TP.closeMenu();
      if (form) form.tpClient.focus({preventScroll: true});
      Module['_tp_menu'](item.tpItem);
    },
    menuKey: function(form, event) {
      var titles = Array.prototype.slice.call(form.tpMenu.children);
      if (event.altKey && !event.ctrlKey && event.key.length === 1) {
        var letter = event.key.toLowerCase();
        var title = titles.find(function(candidate) { return candidate.tpLetter === letter; });
        if (title) { TP.showMenu(title); return true; }
        return false;
      }
      var open = TP.openMenu;
      if (!open || !form.contains(open)) return false;
      var items = Array.prototype.slice.call(open.tpList.querySelectorAll('.tp-menu-item'));
      var at = items.indexOf(document.activeElement);
      switch (event.key) {
        case 'Escape': TP.closeMenu(); form.tpClient.focus({preventScroll: true}); return true;
        case 'ArrowDown': if (items.length) items[(at + 1) % items.length].focus(); return true;
        case 'ArrowUp': if (items.length) items[(at + items.length - 1) % items.length].focus(); return true;
        case 'ArrowLeft':
        case 'ArrowRight': {
          var next = titles.indexOf(open) + (event.key === 'ArrowRight' ? 1 : titles.length - 1);
          TP.showMenu(titles[next % titles.length]);
          return true;
        }
        case 'Enter': if (at >= 0) TP.chooseItem(items[at]); return true;
      }
      var chosen = items.find(function(item) { return item.tpLetter && item.tpLetter === event.key.toLowerCase(); });
      if (chosen) TP.chooseItem(chosen);
      return true;
    },
    // Keeps a control among its siblings in reading order, top to bottom,
    // then left to right, which is the order assistive technology reads the
    // page in. The focus stays where it was.
    readInOrder: function(element) {
      var parent = element.parentNode;
      if (!parent || element.tpClient || !element.style.top) return;
      var top = parseInt(element.style.top, 10);
      var left = parseInt(element.style.left, 10);
      var next = Array.prototype.find.call(parent.children, function(sibling) {
        if (sibling === element || !sibling.style.top) return false;
        var siblingTop = parseInt(sibling.style.top, 10);
        return siblingTop > top || (siblingTop === top && parseInt(sibling.style.left, 10) > left);
      }) || null;
      if (next === element.nextSibling) return;
      var focused = document.activeElement;
      parent.insertBefore(element, next);
      if (focused && element.contains(focused) && document.activeElement !== focused) {
        focused.focus({preventScroll: true});
      }
    },
    images: {},  // pictures by address, each fetched once
    openMenu: null,
    closeMenu: function() {
      if (!TP.openMenu) return;
      TP.openMenu.classList.remove('tp-open');
      TP.openMenu = null;
    },
  },

  tp_make__deps: ['$TP'],
  tp_make: function(kind, control) {
    var element;
    var make = function(tag, className) {
      var made = document.createElement(tag);
      made.className = className;
      return made;
    };
    // A click reaches the model; a press gives the focus through it first.
    var clickable = function(target) {
      target.addEventListener('mousedown', function(event) {
        if (event.button === 0) Module['_tp_press'](control);
      });
      target.addEventListener('click', function() { Module['_tp_click'](control); });
    };
    switch (kind) {
      case 0: {  // a form: caption bar, menu bar, client area
        element = make('div', 'tp-window');
        element.setAttribute('role', 'application');
        element.tpCaption = make('div', 'tp-caption');
        element.tpMenu = make('div', 'tp-menubar');
        element.tpMenu.setAttribute('role', 'menubar');
        element.tpClient = make('div', 'tp-client');
        element.tpClient.tabIndex = -1;
        element.append(element.tpCaption, element.tpMenu, element.tpClient);
        element.tpForm = control;
        TP.listen();
        element.addEventListener('mousedown', function(event) {
          if (!event.target.closest('.tp-menubar')) TP.closeMenu();
        });
        TP.forms.push(element);
        break;
      }
      case 1:  // a push button
        element = make('button', 'tp-control tp-button');
        element.type = 'button';
        element.tabIndex = -1;
        element.tpText = element;
        clickable(element);
        break;
      case 2: {  // a radio button: the model keeps the buttons exclusive
        // A box, not a <label>: a label would pass each click on to its
        // input as a second one.
        element = make('div', 'tp-control tp-radio');
        var input = make('input', '');
        input.type = 'radio';
        input.tabIndex = -1;
        element.tpInput = input;
        element.tpText = make('span', 'tp-text');
        element.tpText.setAttribute('aria-hidden', 'true');
        element.append(input, element.tpText);
        clickable(element);
        break;
      }
      case 3: {  // a captioned frame
        element = make('div', 'tp-control tp-group');
        element.setAttribute('role', 'group');
        element.append(make('div', 'tp-frame'));
        element.tpText = make('span', 'tp-legend');
        element.append(element.tpText);
        break;
      }
      case 4:  // a panel inside a raised edge
        element = make('div', 'tp-control tp-panel');
        break;
      case 5: {  // a gauge
        element = make('div', 'tp-control tp-gauge');
        element.setAttribute('role', 'progressbar');
        element.tabIndex = -1;
        element.tpBar = make('div', 'tp-gauge-bar');
        element.append(element.tpBar);
        break;
      }
      case 6:  // a label
        element = make('div', 'tp-control tp-label');
        element.tpText = element;
        clickable(element);
        break;
      case 7:  // a picture
      case 8:  // a control that draws its own pixels
        element = make('canvas', 'tp-control tp-canvas');
        element.setAttribute('role', 'img');
        element.width = 0;
        element.height = 0;
        if (kind === 7) clickable(element);
        break;
    }
    element.tpKind = kind;
    // Windowed controls lie above the windowless ones of the same parent,
    // and later ones above earlier ones, whatever the order they are read in.
    if (kind !== 0) element.style.zIndex = (kind >= 6 ? 0 : 100000) + TP.elements.length;
    return TP.add(element);
  },

  tp_place__deps: ['$TP'],
  tp_place: function(id, parent) {
    var element = TP.elements[id];
    var into = parent ? TP.client(TP.elements[parent]) : TP.desktop();
    if (element.parentNode !== into) into.append(element);
    TP.readInOrder(element);
  },

  tp_remove__deps: ['$TP'],
  tp_remove: function(id) {
    var element = TP.elements[id];
    if (!element) return;
    element.remove();
    TP.forms = TP.forms.filter(function(form) { return form !== element; });
    TP.elements[id] = null;
  },

  tp_bounds__deps: ['$TP'],
  tp_bounds: function(id, left, top, width, height) {
    var element = TP.elements[id];
    var target = element.tpClient || element;
    if (!element.tpClient) {
      element.style.left = left + 'px';
      element.style.top = top + 'px';
    }
    target.style.width = width + 'px';
    target.style.height = height + 'px';
    TP.readInOrder(element);
  },

  tp_visible__deps: ['$TP'],
  tp_visible: function(id, visible) {
    TP.elements[id].hidden = !visible;
  },

  tp_enabled__deps: ['$TP'],
  tp_enabled: function(id, enabled) {
    var element = TP.elements[id];
    element.classList.toggle('tp-disabled', !enabled);
    if (element.tpKind === 1) element.disabled = !enabled;
    if (element.tpInput) element.tpInput.disabled = !enabled;
  },

  tp_caption__deps: ['$TP'],
  tp_caption: function(id, before, letter, after) {
    var element = TP.elements[id];
    before = UTF8ToString(before);
    letter = UTF8ToString(letter);
    after = UTF8ToString(after);
    if (element.tpCaption) {
      var title = before + letter + after;
      element.tpCaption.textContent = title;
      if (TP.forms[0] === element) document.title = title;
      return;
    }
    if (element.tpText) TP.fill(element.tpText, before, letter, after);
  },

  tp_name__deps: ['$TP'],
  tp_name: function(id, name) {
    var element = TP.elements[id];
    var target = element.tpInput || element;
    name = UTF8ToString(name);
    if (name) target.setAttribute('aria-label', name);
    else target.removeAttribute('aria-label');
  },

  tp_font__deps: ['$TP'],
  tp_font: function(id, face, height, bold, underline, color) {
    var element = TP.elements[id];
    var style = (element.tpText && element.tpText !== element) ? element.tpText.style : element.style;
    face = UTF8ToString(face);
    style.fontFamily = face === 'Arial' ? '"Liberation Sans", Arial, sans-serif'
                                        : '"MS Sans Serif", "Microsoft Sans Serif", "DejaVu Sans", sans-serif';
    style.fontSize = height + 'px';
    style.fontWeight = bold ? 'bold' : 'normal';
    style.textDecoration = underline ? 'underline' : 'none';
    style.color = '#' + (color >>> 0).toString(16).padStart(6, '0');
  },

  tp_hand__deps: ['$TP'],
  tp_hand: function(id, hand) {
    TP.elements[id].style.cursor = hand ? 'pointer' : '';
  },

  tp_word_wrap__deps: ['$TP'],
  tp_word_wrap: function(id, wrap) {
    TP.elements[id].classList.toggle('tp-wrap', !!wrap);
  },

  tp_checked__deps: ['$TP'],
  tp_checked: function(id, checked) {
    var element = TP.elements[id];
    element.tpInput.checked = !!checked;
  },

  tp_gauge__deps: ['$TP'],
  tp_gauge: function(id, min, max, position, width, height) {
    var element = TP.elements[id];
    element.setAttribute('aria-valuemin', min);
    element.setAttribute('aria-valuemax', max);
    element.setAttribute('aria-valuenow', position);
    // Blocks two thirds as wide as the bar is high, with gaps of two
    // pixels; a block that has begun shows whole.
    var inner = Math.max(0, width - 4);
    var block = Math.max(1, Math.floor((2 * Math.max(0, height - 4) + 1) / 3));
    var filled = max > min ? Math.floor((position - min) * inner / (max - min)) : 0;
    var blocks = Math.ceil(filled / (block + 2));
    element.tpBar.style.width = Math.min(inner, Math.max(0, blocks * (block + 2) - 2)) + 'px';
    element.tpBar.style.setProperty('--tp-block', block + 'px');
  },

  // A picture is fetched once the call that set it has returned to the
  // page, so that the board's first pixels never wait for it, and decoded
  // away from the page's thread.
  tp_picture__deps: ['$TP'],
  tp_picture: function(id, url, stretch, width, height) {
    var canvas = TP.elements[id];
    var picture = {url: UTF8ToString(url), stretch: stretch};
    canvas.width = width;
    canvas.height = height;
    canvas.tpPicture = picture;
    if (!picture.url) return;
    setTimeout(function() {
      var image = TP.images[picture.url];
      if (!image) {
        image = TP.images[picture.url] = new Image();
        image.src = picture.url;
      }
      image.decode().then(function() {
        // Set again meanwhile: the newer picture draws itself.
        if (canvas.tpPicture !== picture) return;
        var context = canvas.getContext('2d');
        // Each target pixel takes the nearest source pixel.
        context.imageSmoothingEnabled = false;
        context.clearRect(0, 0, canvas.width, canvas.height);
        if (stretch) context.drawImage(image, 0, 0, canvas.width, canvas.height);
        else context.drawImage(image, 0, 0);
      }, function() {
        // Not to be had now; setting it again asks again.
        if (TP.images[picture.url] === image) delete TP.images[picture.url];
      });
    });
  },

  // Takes a changed rectangle of a control's pixels, RGBA words at `bits`
  // that stay there while the control's element lives. A repaint draws in
  // hundreds of small pieces: they are put on the canvas together when the
  // program returns to the page (tp_show_drawn).
  tp_drawn__deps: ['$TP'],
  tp_drawn: function(id, bits, width, height, left, top, right, bottom) {
    var canvas = TP.elements[id];
    var pending = canvas.tpPending;
    if (!pending) {
      canvas.tpPending = {id: id, bits: bits, width: width, height: height,
                          left: left, top: top, right: right, bottom: bottom};
      TP.drawn.push(canvas);
      return;
    }
    pending.bits = bits;
    pending.width = width;
    pending.height = height;
    pending.left = Math.min(pending.left, left);
    pending.top = Math.min(pending.top, top);
    pending.right = Math.max(pending.right, right);
    pending.bottom = Math.max(pending.bottom, bottom);
  },

  // Puts what was drawn since the last time on the canvases. The canvas
  // keeps the control's size in pixels and the page scales it by nearest
  // neighbour (tp-canvas), so it stays crisp at any device pixel ratio.
  tp_show_drawn__deps: ['$TP'],
  tp_show_drawn: function() {
    var drawn = TP.drawn;
    TP.drawn = [];
    drawn.forEach(function(canvas) {
      var put = canvas.tpPending;
      canvas.tpPending = null;
      // A control destroyed meanwhile has taken its pixels with it.
      if (TP.elements[put.id] !== canvas) return;
      if (canvas.width !== put.width || canvas.height !== put.height) {
        canvas.width = put.width;
        canvas.height = put.height;
        put.left = 0; put.top = 0; put.right = put.width; put.bottom = put.height;
      }
      if (!put.width || !put.height) return;
      var pixels = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, put.bits, put.width * put.height * 4),
                                 put.width, put.height);
      canvas.getContext('2d').putImageData(pixels, 0, 0, put.left, put.top,
                                           put.right - put.left, put.bottom - put.top);
    });
  },

  tp_focus__deps: ['$TP'],
  tp_focus: function(id) {
    var element = TP.elements[id];
    var target = element.tpInput || element;
    if (document.activeElement !== target) target.focus({preventScroll: true});
  },

  // No control has the focus: the form's window takes the keys.
  tp_focus_window__deps: ['$TP'],
  tp_focus_window: function(id) {
    var client = TP.elements[id].tpClient;
    if (document.activeElement !== client && !(document.activeElement && document.activeElement.closest('.tp-box'))) {
      client.focus({preventScroll: true});
    }
  },

  // Asks for a control's repaint as soon as the running event is over, so
  // that the changes of one handler are painted once.
  tp_update_soon: function(control) {
    Promise.resolve().then(function() { Module['_tp_update'](control); });
  },

  tp_closed__deps: ['$TP'],
  tp_closed: function(id) {
    var element = TP.elements[id];
    element.hidden = true;
    element.dispatchEvent(new CustomEvent('tp-closed', {bubbles: true}));
  },

  // Menus: a bar of titles, each opening a list of commands. Alt with a
  // title's access letter opens it; in an open menu a command's letter,
  // Enter or a click runs it, the arrows move, Escape closes.
  tp_menu_add__deps: ['$TP'],
  tp_menu_add: function(form, parent, item, before, letter, after, shortCut, separator) {
    var make = function(tag, className) {
      var made = document.createElement(tag);
      made.className = className;
      return made;
    };
    before = UTF8ToString(before);
    letter = UTF8ToString(letter);
    after = UTF8ToString(after);
    var element;
    if (!parent) {
      element = make('div', 'tp-menu-title');
      element.setAttribute('role', 'menuitem');
      element.setAttribute('aria-haspopup', 'menu');
      var titleText = make('span', 'tp-text');
      TP.fill(titleText, before, letter, after);
      element.tpList = make('div', 'tp-menu');
      element.tpList.setAttribute('role', 'menu');
      element.tpLetter = letter.toLowerCase();
      element.append(titleText, element.tpList);
      titleText.addEventListener('mousedown', function(event) {
        event.preventDefault();
        if (TP.openMenu === element) TP.closeMenu();
        else TP.showMenu(element);
      });
      TP.elements[form].tpMenu.append(element);
    } else if (separator) {
      element = make('div', 'tp-menu-separator');
      element.setAttribute('role', 'separator');
      TP.elements[parent].tpList.append(element);
    } else {
      element = make('div', 'tp-menu-item');
      element.setAttribute('role', 'menuitem');
      element.tabIndex = -1;
      var text = make('span', 'tp-text');
      TP.fill(text, before, letter, after);
      var key = make('span', 'tp-shortcut');
      key.textContent = UTF8ToString(shortCut);
      element.append(text, key);
      element.tpLetter = letter.toLowerCase();
      element.addEventListener('mouseup', function() { TP.chooseItem(element); });
      element.tpItem = item;
      TP.elements[parent].tpList.append(element);
    }
    return TP.add(element);
  },

  tp_timer_start__deps: ['$TP'],
  tp_timer_start: function(timer, interval) {
    return setInterval(function() { Module['_tp_tick'](timer); }, interval);
  },

  tp_timer_stop: function(handle) { clearInterval(handle); },

  // A message box as a dialog in the page: caption, icon, text and OK. A
  // modal one lies over a veil that takes every click meant for the game.
  // OK sets the word at `closed` and lets the waiting handler go on.
  tp_box_show__deps: ['$TP'],
  tp_box_show: function(text, caption, stop, modal, closed) {
    var make = function(tag, className) {
      var made = document.createElement(tag);
      made.className = className;
      return made;
    };
    var box = make('div', 'tp-box');
    box.setAttribute('role', stop ? 'alertdialog' : 'dialog');
    if (modal) box.setAttribute('aria-modal', 'true');
    var title = make('div', 'tp-caption');
    title.textContent = UTF8ToString(caption);
    var body = make('div', 'tp-box-body');
    var icon = make('div', stop ? 'tp-icon tp-icon-stop' : 'tp-icon tp-icon-question');
    icon.setAttribute('aria-hidden', 'true');
    var message = make('div', 'tp-box-text');
    message.textContent = UTF8ToString(text);
    body.append(icon, message);
    var ok = make('button', 'tp-button tp-box-ok');
    ok.type = 'button';
    ok.textContent = 'OK';
    box.append(title, body, ok);
    box.setAttribute('aria-labelledby', '');
    box.setAttribute('aria-label', title.textContent);
    box.setAttribute('aria-describedby', '');
    var veil = null;
    if (modal) {
      veil = make('div', 'tp-veil');
      veil.addEventListener('mousedown', function(event) { event.preventDefault(); });
      document.body.append(veil);
    }
    var before = document.activeElement;
    var layer = 10 + 2 * TP.boxes.length;
    box.style.zIndex = layer + 1;
    if (veil) veil.style.zIndex = layer;
    var anchor = TP.forms[0] ? TP.forms[0].getBoundingClientRect() : {left: 0, top: 0, width: innerWidth, height: innerHeight};
    document.body.append(box);
    var offset = 16 * TP.boxes.length;
    box.style.left = Math.max(0, scrollX + anchor.left + (anchor.width - box.offsetWidth) / 2 + offset) + 'px';
    box.style.top = Math.max(0, scrollY + anchor.top + (anchor.height - box.offsetHeight) / 2 + offset) + 'px';
    TP.boxes.push(box);
    var close = function() {
      if (!box.isConnected) return;
      box.remove();
      if (veil) veil.remove();
      TP.boxes = TP.boxes.filter(function(other) { return other !== box; });
      if (before && before.isConnected) before.focus({preventScroll: true});
      if (closed) HEAP32[closed >> 2] = 1;
      Module['_tp_resume']();
    };
    ok.addEventListener('click', close);
    box.addEventListener('keydown', function(event) {
      if (event.key === 'Enter' || event.key === ' ' || event.key === 'Escape') {
        event.preventDefault();
        close();
      } else if (event.key === 'Tab') {
        event.preventDefault();
      }
    });
    ok.focus({preventScroll: true});
  },

  // The shell's open: a new tab on the address. A blocked pop-up is the
  // closest the browser has to the system denying access.
  tp_open_address: function(address) {
    address = UTF8ToString(address);
    if (!address) return 2;  // nothing named, as a missing file
    var opened = window.open(address, '_blank');
    if (!opened) return 5;
    try { opened.opener = null; } catch (error) {}
    return 33;
  },

  tp_measure__deps: ['$TP'],
  tp_measure: function(face, height, bold, text, size) {
    if (!TP.measurer) TP.measurer = document.createElement('canvas').getContext('2d');
    face = UTF8ToString(face);
    var family = face === 'Arial' ? '"Liberation Sans", Arial, sans-serif'
                                  : '"MS Sans Serif", "Microsoft Sans Serif", "DejaVu Sans", sans-serif';
    // Setting the font makes the canvas parse it again even when unchanged,
    // and the layout measures many texts in one font.
    var font = (bold ? 'bold ' : '') + height + 'px ' + family;
    if (TP.measurerFont !== font) {
      TP.measurer.font = font;
      TP.measurerFont = font;
    }
    var metrics = TP.measurer.measureText(UTF8ToString(text));
    HEAP32[size >> 2] = Math.ceil(metrics.width);
    HEAP32[(size >> 2) + 1] = Math.ceil(height * 1.2);
  },

  tp_icon: function(address) {
    var link = document.querySelector('link[rel="icon"]');
    if (!link) {
      link = document.createElement('link');
      link.rel = 'icon';
      document.head.append(link);
    }
    link.href = UTF8ToString(address);
  },

  // Brings the file at `path` up to date from `address` beside the page; a
  // file that cannot be had is forgotten, as a missing one. The page keeps
  // the files it fetched itself: the program reads them through
  // tp_read_page_file, with no file system to load before it starts. Sets
  // the word at `done` when ready.
  tp_fetch_file__deps: ['$TP'],
  tp_fetch_file: function(address, path, done) {
    address = UTF8ToString(address);
    path = UTF8ToString(path);
    if (!TP.pageFiles) TP.pageFiles = new Map();
    var finish = function(bytes) {
      if (bytes) TP.pageFiles.set(path, bytes); else TP.pageFiles.delete(path);
      if (done) HEAP32[done >> 2] = 1;
      Module['_tp_resume']();
    };
    var reading = fetch(address, {cache: 'no-store'}).then(function(response) {
      return response.ok ? response.arrayBuffer() : null;
    });
    reading.then(function(buffer) { finish(buffer ? new Uint8Array(buffer) : null); },
                 function() { finish(null); });
  },

  tp_page_file_held__deps: ['$TP'],
  tp_page_file_held: function(path) {
    return TP.pageFiles && TP.pageFiles.has(UTF8ToString(path)) ? 1 : 0;
  },

  // Copies up to `length` bytes of a fetched file from `offset` into
  // `buffer`: their number, 0 at the end, or -1 for a file the page does
  // not hold.
  tp_read_page_file__deps: ['$TP'],
  tp_read_page_file: function(path, offset, buffer, length) {
    var bytes = TP.pageFiles && TP.pageFiles.get(UTF8ToString(path));
    if (!bytes) return -1;
    var piece = bytes.subarray(Math.min(offset, bytes.length), Math.min(offset + length, bytes.length));
    HEAPU8.set(piece, buffer);
    return piece.length;
  },

  // The file the player chose for this tab (the page sets
  // Module.tpChosenFile): its size, or -1 for none.
  tp_chosen_file_size: function() {
    var chosen = Module['tpChosenFile'];
    return chosen ? chosen.size : -1;
  },

  // Reads one piece of the chosen file into `buffer`; sets the word at
  // `count` to its length (-1 when it cannot be read) and the one at `done`.
  tp_read_chosen_file: function(offset, buffer, length, count, done) {
    var chosen = Module['tpChosenFile'];
    var finish = function(bytes) {
      if (bytes) HEAPU8.set(bytes, buffer);
      HEAP32[count >> 2] = bytes ? bytes.length : -1;
      HEAP32[done >> 2] = 1;
      Module['_tp_resume']();
    };
    if (!chosen) { finish(null); return; }
    chosen.slice(offset, offset + length).arrayBuffer().then(function(piece) { finish(new Uint8Array(piece)); },
                                                                function() { finish(null); });
  },
});
